/* Notes C API: blocks within memory pools. The stand-in hands out no blocks:
 * its block ids are always null. */
#ifndef ZEMBRIK_NOTESAPI_POOL_H
#define ZEMBRIK_NOTESAPI_POOL_H

#include "global.h"

typedef struct {
    DHANDLE pool;
    BLOCK block;
} BLOCKID;

#define NULLBLOCK ((BLOCK)0)

#endif
