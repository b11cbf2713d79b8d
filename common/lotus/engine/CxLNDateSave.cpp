// Write-back of calendar records into Appointment documents.
#include "common/lotus/exchange/CxLNDate.h"

#include "common/lotus/engine/CxLNDateItems.h"
#include "common/lotus/engine/CxLNMailDB.h"
#include "common/lotus/engine/CxLNWriteBack.h"

namespace {

void CreateItems(NOTEHANDLE note, const void* rec) {
    LNWriteAppointmentItems(note, static_cast<const tagCxLNDateRec*>(rec)->bPrivate != 0);
}

bool WriteItems(const void* rec, const tagLNItemWriter& writer) {
    return LNWriteDateItems(static_cast<const tagCxLNDateRec*>(rec), writer);
}

const tagLNWriteBackKind kWriteBack = {
    "Create new Notes Calendar appointment item.",
    "Modify existed Notes Calendar appointment item, item ID=%d",
    "Delete existed Notes Calendar appointment item, item ID=%d",
    CreateItems,
    WriteItems,
};

} // namespace

bool CxLNDateUtil::SaveToDB() {
    return LNSaveMailDB(this, kLNDateMailKind, [this](DBHANDLE db) {
        LNWriteBackRecords<tagCxLNDateRec>(this, db, kWriteBack, m_pRecList);
    });
}
