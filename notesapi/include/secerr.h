/* Notes C API: statuses of the security package. */
#ifndef ZEMBRIK_NOTESAPI_SECERR_H
#define ZEMBRIK_NOTESAPI_SECERR_H

#include "globerr.h"

#define ERR_SECURE_BADPASSWORD (PKG_SECURE + 8)

#endif
