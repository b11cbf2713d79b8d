/* Notes C API: the current time. */
#ifndef ZEMBRIK_NOTESAPI_OSTIME_H
#define ZEMBRIK_NOTESAPI_OSTIME_H

#include "global.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The stand-in keeps local wall time with the zone bits 0, as in every
 * TIMEDATE it stores. */
void LNPUBLIC OSCurrentTIMEDATE(TIMEDATE far *retTimeDate);

#ifdef __cplusplus
}
#endif

#endif
