/* Notes C API: formulas and searches. */
#ifndef ZEMBRIK_NOTESAPI_NSFSEARC_H
#define ZEMBRIK_NOTESAPI_NSFSEARC_H

#include "global.h"
#include "misc.h"
#include "nsfdata.h"

/* Search flags. */
#define SEARCH_ALL_VERSIONS 0x0001
#define SEARCH_SUMMARY 0x0002
#define SEARCH_FILETYPE 0x0004
#define SEARCH_NOTIFYDELETIONS 0x0010
#define SEARCH_ALLPRIVS 0x0040
#define SEARCH_SESSION_USERNAME 0x0400
#define SEARCH_NOABSTRACTS 0x1000
#define SEARCH_DATAONLY_FORMULA 0x4000
/* NSFSearchExt2 without a filter table. */
#define SEARCH_FILTER_NONE 0x00000000

/* SERetFlags of a match. */
#define SE_FNOMATCH 0x00
#define SE_FMATCH 0x01
#define SE_FTRUNCATED 0x02
#define SE_FPURGED 0x04
#define SE_FNOPURGE 0x08
#define SE_FSOFTDELETED 0x10
#define SE_FNOACCESS 0x20
#define SE_FTRUNCATT 0x40

/* Natural alignment: 54 bytes of members, 56 in all. The pointer handed to a
 * search routine may be unaligned: copy it before reading. */
typedef struct {
    GLOBALINSTANCEID ID;
    ORIGINATORID OriginatorID;
    WORD NoteClass;
    BYTE SERetFlags;
    BYTE Privileges;
    WORD SummaryLength;
} SEARCH_MATCH;

/* SummaryBuffer is NULL unless SEARCH_SUMMARY was asked for. */
typedef STATUS(LNCALLBACKPTR NSFSEARCHPROC)(void far *EnumRoutineParameter,
                                            SEARCH_MATCH far *SearchMatch,
                                            ITEM_TABLE far *SummaryBuffer);

#ifdef __cplusplus
extern "C" {
#endif

/* Selection formulas with or without SELECT: @All, @True and @False, item
 * comparisons with text ("Form = \"X\"", =, != and the other comparisons,
 * any entry of a list counting, letters without case), joined by &, | and
 * ! with parentheses, and an optional closing ';'. Any other text is
 * ERR_FORMULA_COMPILATION, retCompileError then ERR_FORMULA_COMPILATION too
 * and the offset that of the first part not understood. */
STATUS LNPUBLIC NSFFormulaCompile(char far *FormulaName, WORD FormulaNameLength,
                                  const char far *FormulaText, WORD FormulaTextLength,
                                  FORMULAHANDLE far *rethFormula, WORD far *retFormulaLength,
                                  STATUS far *retCompileError, WORD far *retCompileErrorLine,
                                  WORD far *retCompileErrorColumn,
                                  WORD far *retCompileErrorOffset,
                                  WORD far *retCompileErrorLength);

/* The live notes of NoteClassMask that the formula selects (NULLHANDLE: all),
 * in note ID order, every one a match. With SEARCH_SUMMARY the routine gets
 * the note's summary items, as many as fit in 32,000 bytes. The stand-in
 * ignores ViewTitle and the other flags and takes Since as "every note
 * changed since": it keeps no change times. A status other than NOERROR from
 * the routine ends the search and is returned. */
STATUS LNPUBLIC NSFSearch(DBHANDLE hDB, FORMULAHANDLE hFormula, char far *ViewTitle,
                          WORD SearchFlags, WORD NoteClassMask, TIMEDATE far *Since,
                          NSFSEARCHPROC EnumRoutine, void far *EnumRoutineParameter,
                          TIMEDATE far *retUntil);
/* NSFSearch with more flags, a filter table (not used by the stand-in) and a
 * time limit in seconds (0 for none; a stand-in search never waits). */
STATUS LNPUBLIC NSFSearchExt2(DBHANDLE hDB, FORMULAHANDLE hFormula, DHANDLE hFilter,
                              DWORD FilterFlags, char far *ViewTitle, DWORD SearchFlags,
                              DWORD SearchFlags1, WORD NoteClassMask, TIMEDATE far *Since,
                              NSFSEARCHPROC EnumRoutine, void far *EnumRoutineParameter,
                              TIMEDATE far *retUntil, DWORD dwSecsToSearch);

#ifdef __cplusplus
}
#endif

#endif
