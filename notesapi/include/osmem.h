/* Notes C API: freeing what the API allocated. */
#ifndef ZEMBRIK_NOTESAPI_OSMEM_H
#define ZEMBRIK_NOTESAPI_OSMEM_H

#include "global.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Frees a compiled formula or an ID table. */
STATUS LNPUBLIC OSMemFree(DHANDLE Handle);

#ifdef __cplusplus
}
#endif

#endif
