/* Notes C API: the lengths of names and paths. */
#ifndef ZEMBRIK_NOTESAPI_NAMES_H
#define ZEMBRIK_NOTESAPI_NAMES_H

#define MAXUSERNAME 256
#define MAXPATH 256
#define DESIGN_NAME_MAX ((64 + 1) * 2)

#endif
