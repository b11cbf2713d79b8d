/* Notes C API: the numbers of the on-disk structures. */
#ifndef ZEMBRIK_NOTESAPI_ODSTYPES_H
#define ZEMBRIK_NOTESAPI_ODSTYPES_H

#define _CDPARAGRAPH 109
#define _CDPABDEFINITION 110
#define _CDPABREFERENCE 111
#define _CDTEXT 113

#endif
