// The batch update of the selected records, without any window: the
// progress page and the command-line front end both run it.
#pragma once
#include <cstdint>
#include <functional>

class CxList;
class CxVXLNAddrUtil;
class CxVXLNDateUtil;
class CxVXLNTaskUtil;

// Called after each selected record with its position (from 0) and the
// number of selected records.
typedef std::function<void(uint32_t index, uint32_t count)> FUProgressFn;

// `selected` holds the kind's common records (tagComm*Rec*), whose pUserData
// links the Notes record; `definitions` holds tagFUFieldUpdate*. Every
// definition is applied in list order to each linked Notes record, which is
// then marked for the write-back when there was at least one definition.
// Records without a link are skipped. Returns the number of records updated.
uint32_t RunFieldUpdates(CxList* selected, CxList* definitions, CxVXLNAddrUtil* engine,
                         const FUProgressFn& progress = FUProgressFn());
uint32_t RunFieldUpdates(CxList* selected, CxList* definitions, CxVXLNDateUtil* engine,
                         const FUProgressFn& progress = FUProgressFn());
uint32_t RunFieldUpdates(CxList* selected, CxList* definitions, CxVXLNTaskUtil* engine,
                         const FUProgressFn& progress = FUProgressFn());
