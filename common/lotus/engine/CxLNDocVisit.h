// The visits the Notes API calls back during a load: one per document of the
// search, one per item of a document, and the item lookup with its hint.
#pragma once
#include <cstddef>

#include "nsfsearc.h"

class CxLNBaseUtil;

// One row of a kind's item table; field id -1: recognised, not read.
struct tagLNItemEntry {
    const char* szName;
    int nFieldID;
};

// What a kind reads from a document.
struct tagLNItemKind {
    const tagLNItemEntry* pTable;
    int nCount;
    bool bSkipDollar; // items named "$..." are never looked up
    bool (*pTakes)(WORD type);
    // Stores a value (after its type word) into the record; a text ends at
    // its first zero byte or at `length`.
    void (*pRead)(void* rec, int fieldID, WORD type, const char* value, std::size_t length);
};

// Item visit context, one per document; the hint is where the next lookup
// starts, so items stored in the table's order match at the first compare.
struct tagLNItemVisit {
    NOTEHANDLE hNote;
    void* pRec;
    int nHint;
    const tagLNItemKind* pKind;
};

// Field id of `name` (without regard to case), -1 when the table has none.
int LNLookupItem(const tagLNItemKind& kind, const char* name, int* hint);

STATUS LNCALLBACK LNItemVisit(WORD spare, WORD flags, char* name, WORD nameLength, void* value,
                              DWORD valueLength, void* context);

// Reads note `id` into `rec` (cleared first, szID set). A note that cannot
// be opened or scanned is logged, reported to `owner` and gives false.
bool LNReadDocument(CxLNBaseUtil* owner, DBHANDLE db, NOTEID id, const tagLNItemKind& kind,
                    void* rec, std::size_t recSize, char* szID, std::size_t idSize);

// The note ID of a search match; false when it is no match.
bool LNMatchedNote(const SEARCH_MATCH* match, NOTEID* id);

// A search that did not run to its end, reported by `format` with its
// status; unless its visit ended it because the run stopped, which was told
// with its reason already.
void LNReportSearchFailure(CxLNBaseUtil* owner, const char* format, STATUS status);

// Compiles a selection formula; a failure logs "Can not compile search
// filter: error code=%d" and is reported to `owner`.
bool LNCompileFormula(CxLNBaseUtil* owner, const char* text, FORMULAHANDLE* formula);
