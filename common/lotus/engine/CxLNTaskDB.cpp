// Tasks inside a helper host: the run's parameters, the run, the load of the
// Task documents of the mail database and their write-back, and the common
// task back to a Notes task.
#include "common/lotus/exchange/CxLNTask.h"

#include "common/lotus/binding/CxLNCommon.h"
#include "common/lotus/engine/CxLNLoadVisit.h"
#include "common/lotus/engine/CxLNMailDB.h"
#include "common/lotus/engine/CxLNRun.h"
#include "common/lotus/engine/CxLNTaskItems.h"
#include "common/lotus/engine/CxLNWriteBack.h"
#include "common/lotus/exchange/CxLNText.h"

namespace {

using Visit = CxLNLoadVisit<CxLNTaskUtil, kLNTaskItems>;

const tagLNMailKind kMailKind = {
    "Select Form=\"Task\"",
    "Open Lotus Notes Task database.",
    "Open Lotus Notes task database: %s",
    "Can not open Lotus Notes Task file: %s, error code=%d; message=%s",
    "Search Notes task database...",
    nullptr,
    "Failed to search Lotus Notes Task database, error code=%d",
    "Failed to close Lotus Notes Task database, error code=%d",
    "Close Notes task database successfully.",
    "Open Lotus Notes Task database: %s",
    "Can no open Lotus Notes Task Database file: %s, error code=%d",
    "Close Notes Task database successfully.",
    Visit::Visit,
    Visit::SetRunning,
};

void CreateItems(NOTEHANDLE note, const void* rec) {
    LNWriteNewTaskItems(note, static_cast<const tagCxLNTaskRec*>(rec)->bPrivate != 0);
}

bool WriteItems(const void* rec, const tagLNItemWriter& writer) {
    return LNWriteTaskItems(static_cast<const tagCxLNTaskRec*>(rec), writer);
}

const tagLNWriteBackKind kWriteBack = {
    "Create new Lotus Notes task item.",
    "Open existed Lotus Notes task item, item ID=%d",
    "Delete existed Lotus Notes task item, item ID=%d",
    CreateItems,
    WriteItems,
};

int32_t ImportanceOfPriority(int32_t priority) {
    return priority == 1 ? 0 : priority == 2 ? 2 : 1;
}

} // namespace

bool CxLNTaskUtil::ReadParamFile(const char* path) {
    return ReadMailParams_(path, false);
}

bool CxLNTaskUtil::Run() {
    return LNRun(this);
}

tagLNRunTarget LNRunTarget(const CxLNTaskUtil& util) {
    return {"tasks", util.GetMailDBName()};
}

bool CxLNTaskUtil::LoadFromDB() {
    return LNLoadMailDB(this, kMailKind);
}

bool CxLNTaskUtil::SaveToDB() {
    return LNSaveMailDB(this, kMailKind, [this](DBHANDLE db) {
        LNWriteBackRecords(this, db, kWriteBack);
    });
}

// Common task to Notes task.
bool CxLNTaskUtil::FromCommRec(tagCommTaskRec* common, tagCxLNTaskRec* notes) {
    if (!common || !notes)
        return false;
    LNCopyText(notes->szSubject, common->szSubject, 255);
    LNCopyText(notes->szBody, common->szNote, 8191);
    notes->nImportance = ImportanceOfPriority(common->nPriority);
    if (common->nDueDate == 0)
        notes->dtDueDate = 0.0;
    else
        SecondsToVariantTime(common->nDueDate, &notes->dtDueDate);
    notes->bPrivate = common->bPrivate != 0;
    return true;
}
