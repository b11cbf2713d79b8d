/* Notes C API: times and dates as text. */
#ifndef ZEMBRIK_NOTESAPI_MISC_H
#define ZEMBRIK_NOTESAPI_MISC_H

#include "global.h"

#define MAXALPHANUMBER 40
#define MAXALPHATIMEDATE 80
#define MAXALPHATIMEDATEPAIR (80 * 2 + 3)

/* A TIMEDATE without a time of day, or without a date. */
#define ALLDAY 0xffffffffL
#define ANYDAY 0xffffffffL
#define TICKS_IN_DAY 8640000
#define TICKS_IN_HOUR 360000
#define TICKS_IN_MINUTE 6000
#define TICKS_IN_SECOND 100
#define SECS_IN_DAY 86400

#define TDFMT_FULL 0
#define TDFMT_CPARTIAL 1
#define TDFMT_PARTIAL 2
#define TDFMT_DPARTIAL 3
#define TDFMT_FULL4 4
#define TDFMT_CPARTIAL4 5
#define TDFMT_DPARTIAL4 6
#define TTFMT_FULL 0
#define TTFMT_PARTIAL 1
#define TTFMT_HOUR 2
#define TZFMT_NEVER 0
#define TZFMT_SOMETIMES 1
#define TZFMT_ALWAYS 2
#define TSFMT_DATE 0
#define TSFMT_TIME 1
#define TSFMT_DATETIME 2
#define TSFMT_CDATETIME 3

typedef struct {
    BYTE Date;
    BYTE Time;
    BYTE Zone;
    BYTE Structure;
} TFMT;

#ifdef __cplusplus
extern "C" {
#endif

/* The stand-in answers as a client set to month/day/year dates with four-
 * digit years and the 12-hour clock, whatever the formats say:
 * "MM/DD/YYYY hh:mm:ss AM" or "MM/DD/YYYY" out (not terminated). In, it also
 * reads "MM/DD/YYYY hh:mm AM", 24-hour times and two-digit years, which mean
 * 1950 to 2049 as the documentation says; other text after the time than
 * blanks is ERR_TDI_CONV. *Text moves past what was read. */
STATUS LNPUBLIC ConvertTextToTIMEDATE(const void far *IntlFormat, const TFMT far *TextFormat,
                                      char far *far *Text, WORD MaxLength,
                                      TIMEDATE far *retTIMEDATE);
STATUS LNPUBLIC ConvertTIMEDATEToText(const void far *IntlFormat, const TFMT far *TextFormat,
                                      const TIMEDATE far *InputTime, char far *retTextBuffer,
                                      WORD TextBufferLength, WORD far *retTextLength);

#ifdef __cplusplus
}
#endif

#endif
