// Each kind's helper host and the log lines of its load/submit cycle.
#include <cstdio>
#include <string>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNHelperKind.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNTask.h"

namespace {

const tagLNHelperKind kAddrKind = {
    1,
    "Zembrik.LNAddrHost",
    "Start loading Lotus Notes Contacts.",
    "Load Lotus Notes Contacts information successfully.",
    "Failed to load Lotus Notes Contacts information.",
    "Submit changes to Lotus Notes contacts database",
};

const tagLNHelperKind kDateKind = {
    2,
    "Zembrik.LNDateHost",
    "Start loading Lotus Notes Calendar.",
    "Load Lotus Notes Calendar information successfully.",
    "Failed to load Lotus Notes Calendar information.",
    "Submit changes to Lotus Notes calendar database",
};

const tagLNHelperKind kTaskKind = {
    4,
    "Zembrik.LNTaskHost",
    "Start loading Lotus Notes Tasks.",
    "Load Lotus Notes Tasks information successfully.",
    "Failed to load Lotus Notes Tasks information.",
    "Submit changes to Lotus Notes task database",
};

// The notes kind runs the same cycle without its log lines.
const tagLNHelperKind kNoteKind = {8, "Zembrik.LNNoteHost", nullptr, nullptr, nullptr, nullptr};

// The kinds' default parameter file names.
const char* const kParamFiles[] = {"LNAddrParam.dat", "LNDateParam.dat", "LNTaskParam.dat",
                                   "LNNoteParam.dat"};

} // namespace

void LNRemoveParamFiles(const char* folder) {
    if (!folder || !*folder)
        return;
    for (const char* name : kParamFiles)
        std::remove((std::string(folder) + name).c_str());
}

bool CxLNAddrUtil::InvokeHelper_() {
    return RunHelper_(kAddrKind, [this] { return WriteParamFile(); });
}

bool CxLNAddrUtil::LoadAll() {
    return LoadCycle_(
        kAddrKind, [this] { return InvokeHelper_(); }, [this] { return LoadFromFile(nullptr); });
}

bool CxLNAddrUtil::Undo(const char* run, bool dryRun, tagLNUndoResult* result) {
    return UndoCycle_([this] { return InvokeHelper_(); }, run, dryRun, result);
}

bool CxLNAddrUtil::SubmitChanges() {
    return SubmitCycle_(
        kAddrKind, [this] { return SaveToFile(nullptr); }, [this] { return InvokeHelper_(); },
        [this] { ResetWrittenRecords_(); });
}

bool CxLNDateUtil::InvokeHelper_() {
    return RunHelper_(kDateKind, [this] { return WriteParamFile(); });
}

bool CxLNDateUtil::LoadAll() {
    return LoadCycle_(
        kDateKind, [this] { return InvokeHelper_(); }, [this] { return LoadFromFile(nullptr); });
}

bool CxLNDateUtil::Undo(const char* run, bool dryRun, tagLNUndoResult* result) {
    return UndoCycle_([this] { return InvokeHelper_(); }, run, dryRun, result);
}

bool CxLNDateUtil::SubmitChanges() {
    return SubmitCycle_(
        kDateKind, [this] { return SaveToFile(nullptr); }, [this] { return InvokeHelper_(); },
        [this] { ResetWrittenRecords_(); });
}

bool CxLNTaskUtil::InvokeHelper_() {
    return RunHelper_(kTaskKind, [this] { return WriteParamFile(); });
}

bool CxLNTaskUtil::LoadAll() {
    return LoadCycle_(
        kTaskKind, [this] { return InvokeHelper_(); }, [this] { return LoadFromFile(nullptr); });
}

bool CxLNTaskUtil::Undo(const char* run, bool dryRun, tagLNUndoResult* result) {
    return UndoCycle_([this] { return InvokeHelper_(); }, run, dryRun, result);
}

bool CxLNTaskUtil::SubmitChanges() {
    return SubmitCycle_(
        kTaskKind, [this] { return SaveToFile(nullptr); }, [this] { return InvokeHelper_(); },
        [this] { ResetWrittenRecords_(); });
}

bool CxLNNoteUtil::InvokeHelper_() {
    return RunHelper_(kNoteKind, [this] { return WriteParamFile(); });
}

bool CxLNNoteUtil::LoadAll() {
    return LoadCycle_(
        kNoteKind, [this] { return InvokeHelper_(); }, [this] { return LoadFromFile(nullptr); });
}

bool CxLNNoteUtil::SubmitChanges() {
    return SubmitCycle_(
        kNoteKind, [this] { return SaveToFile(nullptr); }, [this] { return InvokeHelper_(); },
        [this] { ResetWrittenRecords_(); });
}
