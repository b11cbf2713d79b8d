// Every item of an open note as stored (names and texts in LMBCS, as Notes
// keeps them), and what changed between two such pictures: what a journal
// entry records of a document.
#pragma once
#include <string>
#include <vector>

#include "nsfdata.h"

struct tagLNRawItem {
    std::string sName;
    WORD nType = 0;
    WORD nFlags = 0;
    std::string sValue; // after the type word
};

using LNRawItems = std::vector<tagLNRawItem>;

LNRawItems LNReadNoteItems(NOTEHANDLE note);

// The item `name` (without regard to case); null when there is none.
const tagLNRawItem* LNFindItem(const LNRawItems& items, const std::string& name);

// One item that differs; null: the item is missing on that side.
struct tagLNItemChange {
    const tagLNRawItem* pOld;
    const tagLNRawItem* pNew;
};

// The items of `before` and `after` whose type or value differ, by name
// without case, in the order of `after` and then those only `before` has.
std::vector<tagLNItemChange> LNItemChanges(const LNRawItems& before, const LNRawItems& after);
