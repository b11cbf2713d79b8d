/* Notes C API: statuses of the operating-system package. */
#ifndef ZEMBRIK_NOTESAPI_OSERR_H
#define ZEMBRIK_NOTESAPI_OSERR_H

#include "globerr.h"

#define ERR_NOEXIST (PKG_OS + 3)
#define ERR_EXISTS (PKG_OS + 4)
#define ERR_MEMORY (PKG_OS + 7)
#define ERR_LOCK (PKG_OS + 12)
#define ERR_IOERROR (PKG_OS + 14)
#define ERR_OS_FREE_HANDLE (PKG_OS + 56)
#define ERR_SEGMENT_TOO_BIG (PKG_OS + 59)

#endif
