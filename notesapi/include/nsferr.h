/* Notes C API: statuses of the database package and of formula compiling. */
#ifndef ZEMBRIK_NOTESAPI_NSFERR_H
#define ZEMBRIK_NOTESAPI_NSFERR_H

#include "globerr.h"

#define ERR_NOT_NSF (PKG_NSF + 1)
#define ERR_CONFLICT (PKG_NSF + 5)
#define ERR_ITEM_NOT_FOUND (PKG_NSF + 34)
#define ERR_NOTE_DELETED (PKG_NSF + 37)
#define ERR_INVALID_NOTE (PKG_NSF + 39)
#define ERR_SUMMARY_TOO_BIG (PKG_NSF + 49)
#define ERR_ITEM_DATATYPE (PKG_NSF + 63)
#define ERR_BAD_PARAM (PKG_NSF + 65)
#define ERR_NOACCESS (PKG_NSF + 70)

#define ERR_FORMULA_COMPILATION (PKG_FORMULA + 1)

#endif
