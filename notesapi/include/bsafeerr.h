/* Notes C API: statuses of the ID file package. */
#ifndef ZEMBRIK_NOTESAPI_BSAFEERR_H
#define ZEMBRIK_NOTESAPI_BSAFEERR_H

#include "globerr.h"

#define ERR_BSAFE_CORRUPTIDFILE (PKG_BSAFE + 43)

#endif
