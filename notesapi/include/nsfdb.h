/* Notes C API: databases. */
#ifndef ZEMBRIK_NOTESAPI_NSFDB_H
#define ZEMBRIK_NOTESAPI_NSFDB_H

#include "global.h"
#include "nsfdata.h"

/* The database information: title, categories, class and design class. */
#define NSF_INFO_SIZE 128
#define INFOPARSE_TITLE 0
#define INFOPARSE_CATEGORIES 1
#define INFOPARSE_CLASS 2
#define INFOPARSE_DESIGN_CLASS 3

#ifdef __cplusplus
extern "C" {
#endif

/* A relative path resolves against Directory= of notes.ini, "server!!path"
 * through the [Servers] section; ERR_NOEXIST, ERR_NOT_NSF, ERR_NOACCESS (the
 * user may not read it), ERR_SERVER_NOT_RESPONDING (a server notes.ini does
 * not know); a locked database is waited for (ZNSBusyTimeout=), then ERR_LOCK. */
STATUS LNPUBLIC NSFDbOpen(const char far *PathName, DBHANDLE far *rethDB);
STATUS LNPUBLIC NSFDbClose(DBHANDLE hDB);

/* NSF_INFO_SIZE bytes, terminated. The parts stand one to a line, the class
 * and the design class after "#1" and "#2" (the stand-in's choice: the
 * documentation reads the buffer only through NSFDbInfoParse and Modify). */
STATUS LNPUBLIC NSFDbInfoGet(DBHANDLE hDB, char far *retBuffer);
/* Needs editor access. */
STATUS LNPUBLIC NSFDbInfoSet(DBHANDLE hDB, char far *Buffer);
/* Length excludes the terminator. */
void LNPUBLIC NSFDbInfoParse(char far *Info, WORD What, char far *Buffer, WORD Length);
void LNPUBLIC NSFDbInfoModify(char far *Info, WORD What, const char far *Buffer);
/* TRUE for a path that names a server: "server!!path". */
BOOL LNPUBLIC NSFDbPathIsRemote(const char far *PathName);

#ifdef __cplusplus
}
#endif

#endif
