/* The stand-in's own calls and status names: not part of the Notes C API.
 * notesdb and the tests use them to build stand-in installations; programs
 * written for Notes include the toolkit's headers beside this one and need
 * nothing of it. The administration calls work without NotesInit and take
 * file-system paths as given (relative to the current directory; no
 * notes.ini lookup, no "server!!" prefix); user names and passwords are LMBCS,
 * as everywhere in the API.
 *
 * notes.ini of a stand-in installation (sections and keys without case;
 * relative folders are relative to the folder of notes.ini):
 *   [Notes]
 *   Directory=<data folder>
 *   KeyFilename=<ID file of the default user; relative to Directory>
 *   ZNSBusyTimeout=<milliseconds to wait for a locked database; 10000>
 *   [Servers]
 *   <server name>=<folder holding that server's databases>
 */
#ifndef ZEMBRIK_NOTESAPI_ZNS_H
#define ZEMBRIK_NOTESAPI_ZNS_H

#include "bsafeerr.h"
#include "clerr.h"
#include "global.h"
#include "miscerr.h"
#include "nsfdata.h"
#include "nsferr.h"
#include "oserr.h"
#include "secerr.h"

/* The stand-in's names for the statuses it gives: the real API's code
 * wherever the real API has one for the case. */
#define ERR_DATABASE_BUSY ERR_LOCK        /* another process holds the database */
#define ERR_INVALID_HANDLE ERR_OS_FREE_HANDLE
#define ERR_BAD_ARGUMENT ERR_BAD_PARAM    /* a null or unusable argument */
#define ERR_INVALID_ITEM ERR_BAD_PARAM    /* an empty item name, a null value */
#define ERR_FILE_EXISTS ERR_EXISTS        /* ZNSCreate...: the file is already there */
#define ERR_DATABASE_IO ERR_IOERROR       /* the file could not be read or written */
#define ERR_NOT_ID_FILE ERR_BSAFE_CORRUPTIDFILE

/* Statuses the real API has no code for, in the range it leaves to add-ins. */
#define ERR_NOT_INITIALIZED (PKG_ADDIN + 1) /* a call before NotesInit */
#define ERR_OLD_FORMAT (PKG_ADDIN + 2)      /* text in code page 1252: notesdb convert */

#ifdef __cplusplus
extern "C" {
#endif

/* Access levels of an access list entry. A user not listed gets the level
 * of the ZNS_DEFAULT_ENTRY entry, else none; an empty list lets everyone in. */
#define ZNS_ACCESS_NONE 0
#define ZNS_ACCESS_READER 2
#define ZNS_ACCESS_EDITOR 4
#define ZNS_ACCESS_MANAGER 6
#define ZNS_DEFAULT_ENTRY "-Default-"

/* A new, empty database. ERR_FILE_EXISTS when the file is already there. */
STATUS LNPUBLIC ZNSCreateDatabase(const char* PathName);
/* A new ID file for UserName, holding a salted hash of Password (never the
 * password itself). ERR_FILE_EXISTS when the file is already there. */
STATUS LNPUBLIC ZNSCreateIDFile(const char* IDFile, const char* UserName, const char* Password);
/* Sets (adds or replaces) the access list entry of UserName (names compare
 * without case). Level is one of the ZNS_ACCESS_ values, else ERR_BAD_ARGUMENT. */
STATUS LNPUBLIC ZNSSetAccess(const char* PathName, const char* UserName, WORD Level);
/* A batch of writes to an open database: from ZNSBeginBatch on, every note
 * update, creation and deletion through hDB is part of one transaction that
 * ZNSEndBatch commits (Commit TRUE) or rolls back; each note stays whole or
 * absent. Closing the database in a batch rolls it back. Begin needs editor
 * access; a second begin, or an end without a batch, is ERR_BAD_ARGUMENT. */
STATUS LNPUBLIC ZNSBeginBatch(DBHANDLE hDB);
STATUS LNPUBLIC ZNSEndBatch(DBHANDLE hDB, BOOL Commit);
/* Databases made before the stand-in kept LMBCS hold their text in code page
 * 1252 and open with ERR_OLD_FORMAT. This turns every text of one (item
 * names, text and text list values, the text of rich-text runs, the access
 * list's names) into LMBCS once, in one transaction, and marks the file as
 * current; *retConverted tells whether there was anything to do. */
STATUS LNPUBLIC ZNSConvertDatabase(const char* PathName, BOOL* retConverted);

#ifdef __cplusplus
}
#endif

#endif
