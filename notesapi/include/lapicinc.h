/* Notes C API: helpers the toolkit declares for platforms whose numbers are
 * not IEEE; the stand-in offers this one everywhere. */
#ifndef ZEMBRIK_NOTESAPI_LAPICINC_H
#define ZEMBRIK_NOTESAPI_LAPICINC_H

#include "global.h"

#ifdef __cplusplus
extern "C" {
#endif

/* An 8-byte IEEE number to the machine's double: a copy here. */
void LNPUBLIC ConvertIEEEToDouble(void far *source, void far *destination);

#ifdef __cplusplus
}
#endif

#endif
