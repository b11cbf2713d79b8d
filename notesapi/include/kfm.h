/* Notes C API: the ID file of the current user. */
#ifndef ZEMBRIK_NOTESAPI_KFM_H
#define ZEMBRIK_NOTESAPI_KFM_H

#include "global.h"
#include "names.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Checks the password against the ID file and makes its user current for
 * the process; a relative path resolves against Directory= of notes.ini.
 * ERR_NOEXIST, ERR_SECURE_BADPASSWORD, ERR_BSAFE_CORRUPTIDFILE. */
STATUS LNPUBLIC SECKFMSwitchToIDFile(char far *pIDFileName, char far *pPassword,
                                     char far *pUserName, WORD MaxUserNameLength,
                                     DWORD ReservedFlags, void far *pReserved);
/* The current user: the one of the last switch, else of KeyFilename= in
 * notes.ini; MAXUSERNAME bytes out, empty for nobody. */
STATUS LNPUBLIC SECKFMGetUserName(char far *retUserName);

#ifdef __cplusplus
}
#endif

#endif
