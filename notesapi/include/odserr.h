/* Notes C API: statuses of the on-disk structure package (lists). */
#ifndef ZEMBRIK_NOTESAPI_ODSERR_H
#define ZEMBRIK_NOTESAPI_ODSERR_H

#include "globerr.h"

#define ERR_ODS_NO_SUCH_ENTRY (PKG_ODS + 5)

#endif
