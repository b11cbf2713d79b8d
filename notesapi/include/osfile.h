/* Notes C API: database paths and the data folder. */
#ifndef ZEMBRIK_NOTESAPI_OSFILE_H
#define ZEMBRIK_NOTESAPI_OSFILE_H

#include "global.h"
#include "names.h"

#ifdef __cplusplus
extern "C" {
#endif

/* "server!!file", or the file alone for no server or an empty one; the port
 * is not used. MAXPATH bytes out, cut to MAXPATH - 1 as documented, and
 * always NOERROR. */
STATUS LNPUBLIC OSPathNetConstruct(const char far *PortName, const char far *ServerName,
                                   const char far *FileName, char far *retPathName);
/* The data folder (Directory= of notes.ini) against which relative paths
 * resolve; MAXPATH bytes out; its length, 0 before the API start. */
WORD LNPUBLIC OSGetDataDirectory(char far *retPathName);

#ifdef __cplusplus
}
#endif

#endif
