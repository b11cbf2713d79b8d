/* Notes C API: statuses of the miscellaneous package (times, ID tables). */
#ifndef ZEMBRIK_NOTESAPI_MISCERR_H
#define ZEMBRIK_NOTESAPI_MISCERR_H

#include "globerr.h"

#define ERR_TDI_CONV (PKG_MISC + 12)
#define ERR_TDO_CONV (PKG_MISC + 13)
#define ERR_IDTABLE_INVALID (PKG_MISC + 72)

#endif
