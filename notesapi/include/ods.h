/* Notes C API: structures in their on-disk form (little-endian, packed). */
#ifndef ZEMBRIK_NOTESAPI_ODS_H
#define ZEMBRIK_NOTESAPI_ODS_H

#include "global.h"
#include "odstypes.h"
#include "pool.h"

/* A record's signature: its high byte tells the length field that follows. */
#define LONGRECORDLENGTH 0x0000
#define WORDRECORDLENGTH 0xff00
#define BYTERECORDLENGTH 0

typedef struct {
    BYTE Signature;
    BYTE Length; /* of the whole record */
} BSIG;

typedef struct {
    WORD Signature;
    WORD Length;
} WSIG;

typedef struct {
    WORD Signature;
    DWORD Length;
} LSIG;

#ifdef __cplusplus
extern "C" {
#endif

/* The on-disk size of a structure; 0 for one the stand-in does not know. */
WORD LNPUBLIC ODSLength(WORD type);
/* ppDest is the address of the destination pointer, moved past what was
 * written. */
void LNPUBLIC ODSWriteMemory(void far *ppDest, WORD type, const void far *pSrc, WORD iterations);

#ifdef __cplusplus
}
#endif

#endif
