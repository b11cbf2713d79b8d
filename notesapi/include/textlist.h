/* Notes C API: reading text lists. */
#ifndef ZEMBRIK_NOTESAPI_TEXTLIST_H
#define ZEMBRIK_NOTESAPI_TEXTLIST_H

#include "global.h"
#include "nsfdata.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Entry EntryNumber (from 0) of the list at pList (after a type word when
 * fPrefixDataType): a pointer into the list and the length, not terminated.
 * ERR_ODS_NO_SUCH_ENTRY past the last entry. */
STATUS LNPUBLIC ListGetText(const void far *pList, BOOL fPrefixDataType, WORD EntryNumber,
                            char far *far *retTextPointer, WORD far *retTextLength);

#ifdef __cplusplus
}
#endif

#endif
