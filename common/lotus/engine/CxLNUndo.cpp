// Putting a run's old values back into the documents it changed.
#include "CxLNUndo.h"

#include <cstring>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNLmbcs.h"
#include "common/lotus/engine/CxLNJournal.h"
#include "common/lotus/engine/CxLNRunStop.h"
#include "common/lotus/engine/CxLNWriteBack.h"
#include "platform/Cp1252.h"

namespace {

// The document's item `now` (null: none) holds `value` (`present`: any).
bool Holds(const tagLNRawItem* now, bool present, const tagLNRawItem& value) {
    if (!present)
        return !now;
    return now && now->nType == value.nType && now->sValue == value.sValue;
}

// Plain values go back in place; any other type is appended anew. The
// values are the stored ones, so they go back through the API's own calls.
STATUS Restore(NOTEHANDLE note, const tagLNUndoItem& item) {
    const tagLNApiTable& api = LNStoredApi();
    if (!item.bHadOld)
        return api.NSFItemDelete(note, item.sName.c_str(), static_cast<WORD>(item.sName.size()));
    const char* name = item.old.sName.c_str();
    const std::string& value = item.old.sValue;
    if (item.old.nType == TYPE_TEXT && value.size() <= 0xffff)
        return api.NSFItemSetText(note, name, value.data(), static_cast<WORD>(value.size()));
    if (item.old.nType == TYPE_NUMBER && value.size() == sizeof(NUMBER)) {
        NUMBER number;
        std::memcpy(&number, value.data(), sizeof number);
        return api.NSFItemSetNumber(note, name, &number);
    }
    if (item.old.nType == TYPE_TIME && value.size() == sizeof(TIMEDATE)) {
        TIMEDATE time;
        std::memcpy(&time, value.data(), sizeof time);
        return api.NSFItemSetTime(note, name, &time);
    }
    api.NSFItemDelete(note, item.sName.c_str(), static_cast<WORD>(item.sName.size()));
    return api.NSFItemAppend(note, item.old.nFlags, name, static_cast<WORD>(item.old.sName.size()),
                             item.old.nType, value.data(), value.size());
}

void Left(tagLNUndoOutcome* outcome, const std::string& sentence) {
    ++outcome->nLeft;
    outcome->lines.push_back(sentence);
}

std::string Doc(NOTEID id) {
    return "Document " + std::to_string(id);
}

// The item with its names as Notes stores them.
tagLNUndoItem Stored(const tagLNUndoItem& journaled) {
    tagLNUndoItem item = journaled;
    item.sName = LNUtf8ToLmbcs(journaled.sName);
    item.old.sName = LNUtf8ToLmbcs(journaled.old.sName);
    item.now.sName = LNUtf8ToLmbcs(journaled.now.sName);
    return item;
}

// The items of one changed document; true when any was put back.
bool RestoreItems(NOTEHANDLE note, const tagLNUndoDoc& doc, const LNRawItems& current,
                  tagLNUndoOutcome* outcome) {
    bool restored = false;
    for (const tagLNUndoItem& journaled : doc.items) {
        const tagLNUndoItem item = Stored(journaled);
        const std::string shown = platform::Utf8ToCp1252(journaled.sName);
        const tagLNRawItem* now = LNFindItem(current, item.sName);
        // A run ended between an entry and its store left the item as it was.
        if (Holds(now, item.bHadOld, item.old))
            continue;
        if (!Holds(now, item.bHasNew, item.now)) {
            Left(outcome, Doc(doc.nDoc) + ": " + shown +
                              " was changed after the run; it was left as it is.");
            continue;
        }
        if (note && Restore(note, item) != NOERROR) {
            Left(outcome, Doc(doc.nDoc) + ": " + shown + " could not be put back.");
            continue;
        }
        ++outcome->nRestored;
        restored = true;
    }
    return restored;
}

void UndoChange(CxLNChangeGroup* group, DBHANDLE db, const tagLNUndoDoc& doc, bool dryRun,
                tagLNUndoOutcome* outcome) {
    group->Settle(doc.nDoc);
    NOTEHANDLE note = NULLHANDLE;
    if (LNApi().NSFNoteOpen(db, doc.nDoc, 0, &note) != NOERROR) {
        Left(outcome, Doc(doc.nDoc) + " can not be opened any more; it was left as it is.");
        return;
    }
    const LNRawItems current = LNReadNoteItems(note);
    if (RestoreItems(dryRun ? NULLHANDLE : note, doc, current, outcome) && !dryRun)
        group->Store(note, doc.nDoc, "change", current);
    else
        LNApi().NSFNoteClose(note);
}

} // namespace

void LNApplyUndo(CxLNBaseUtil* owner, DBHANDLE db, const tagLNUndoPlan& plan, bool dryRun,
                 tagLNUndoOutcome* outcome) {
    CxLNChangeGroup group(owner, db);
    // The latest change of a document is the first to take back.
    for (auto doc = plan.docs.rbegin(); doc != plan.docs.rend() && LNStopReason().empty(); ++doc) {
        if (doc->sAction == "change")
            UndoChange(&group, db, *doc, dryRun, outcome);
        else if (doc->sAction == "create")
            Left(outcome, Doc(doc->nDoc) + " was created by the run; the undo does not delete it.");
        else
            Left(outcome, Doc(doc->nDoc) + " was deleted by the run; the undo does not re-create it.");
    }
    group.Flush();
    LNReportStopped(owner, "undo");
}
