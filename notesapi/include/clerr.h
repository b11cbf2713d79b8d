/* Notes C API: statuses of the client package. */
#ifndef ZEMBRIK_NOTESAPI_CLERR_H
#define ZEMBRIK_NOTESAPI_CLERR_H

#include "globerr.h"

#define ERR_SERVER_NOT_RESPONDING (PKG_CLIENT + 7)

#endif
