/* Notes C API: ID tables, sets of note IDs kept in ascending order. */
#ifndef ZEMBRIK_NOTESAPI_IDTABLE_H
#define ZEMBRIK_NOTESAPI_IDTABLE_H

#include "global.h"

#define IDTABLE_MODIFIED 0x0001
#define IDTABLE_INVERTED 0x0002

typedef STATUS(LNCALLBACKPTR IDENUMERATEPROC)(void far *Parameter, DWORD id);

#ifdef __cplusplus
extern "C" {
#endif

/* An empty table; Alignment (the size of an entry) is not used. Free it with
 * IDDestroyTable or OSMemFree. */
STATUS LNPUBLIC IDCreateTable(DWORD Alignment, DHANDLE far *rethTable);
STATUS LNPUBLIC IDDestroyTable(DHANDLE hTable);
/* *retfInserted (may be NULL) FALSE when the ID was there already. */
STATUS LNPUBLIC IDInsert(DHANDLE hTable, DWORD id, BOOL far *retfInserted);
STATUS LNPUBLIC IDDelete(DHANDLE hTable, DWORD id, BOOL far *retfDeleted);
STATUS LNPUBLIC IDDeleteAll(DHANDLE hTable);
/* Every ID in ascending order; a status other than NOERROR from the routine
 * ends the walk and is returned. The routine may change the table. */
STATUS LNPUBLIC IDEnumerate(DHANDLE hTable, IDENUMERATEPROC Routine, void far *Parameter);
DWORD LNPUBLIC IDEntries(DHANDLE hTable);
BOOL LNPUBLIC IDIsPresent(DHANDLE hTable, DWORD id);
/* The first ID (fFirst) or the one after the last given; FALSE past the end. */
BOOL LNPUBLIC IDScan(DHANDLE hTable, BOOL fFirst, DWORD far *retID);

#ifdef __cplusplus
}
#endif

#endif
