// The steps a helper run takes around a load and a write-back so that no
// change made in Lotus Notes after the load is overwritten.
#pragma once
#include <string>

class CxLNBaseUtil;
class CxLNAddrUtil;
class CxLNDateUtil;
class CxLNTaskUtil;

// Which records, in which database, a helper run works on.
struct tagLNRunTarget {
    std::string sKind; // "contacts", "calendar", "tasks"
    std::string sDatabase;
};

tagLNRunTarget LNRunTarget(const CxLNAddrUtil& util);
tagLNRunTarget LNRunTarget(const CxLNDateUtil& util);
tagLNRunTarget LNRunTarget(const CxLNTaskUtil& util);

// Before a load: nothing of an earlier load is known.
void LNForgetLoadState();
// After the exchange file of a load was written: its companion. False, with
// the error reported, when it cannot be written.
bool LNKeepLoadState(CxLNBaseUtil* util, const tagLNRunTarget& target);
// Before a write-back: the companion of the exchange file. A missing or
// damaged one, or one of another kind or database, is reported and gives
// false: no write-back goes on without its check.
bool LNTakeLoadState(CxLNBaseUtil* util, const tagLNRunTarget& target);
// Then what the front end wrote: the exchange file must be as it was
// written, from the load the load information tells. False, reported, when not.
bool LNCheckSavedRecords(CxLNBaseUtil* util);
// After a write-back: the companion tells what the documents are now.
void LNSettleLoadState(CxLNBaseUtil* util, const tagLNRunTarget& target);
