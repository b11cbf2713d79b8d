// Write-back of task records into Task documents.
#include "common/lotus/exchange/CxLNTask.h"

#include "common/lotus/engine/CxLNTaskItems.h"
#include "common/lotus/engine/CxLNWriteBack.h"

namespace {

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

} // namespace

bool CxLNTaskUtil::SaveToDB() {
    return LNSaveMailDB(this, kLNTaskMailKind, [this](DBHANDLE db) {
        LNWriteBackRecords<tagCxLNTaskRec>(this, db, kWriteBack, m_pRecList);
    });
}
