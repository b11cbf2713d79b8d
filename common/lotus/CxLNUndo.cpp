// Putting a run's old values back into the documents it changed.
#include "CxLNUndo.h"

#include <cstring>

#include "common/lotus/CxLNApi.h"
#include "common/lotus/CxLNJournal.h"
#include "common/lotus/CxLNWriteBack.h"

namespace {

// The document still holds what the run wrote into the item.
bool StillAsRunLeftIt(const LNRawItems& current, const tagLNUndoItem& item) {
    const tagLNRawItem* now = LNFindItem(current, item.sName);
    if (!item.bHasNew)
        return !now;
    return now && now->nType == item.now.nType && now->sValue == item.now.sValue;
}

// Plain values go back in place; any other type is appended anew.
STATUS Restore(NOTEHANDLE note, const tagLNUndoItem& item) {
    const char* name = item.sName.c_str();
    if (!item.bHadOld)
        return LNApi().NSFItemDelete(note, name, static_cast<WORD>(item.sName.size()));
    const std::string& value = item.old.sValue;
    if (item.old.nType == TYPE_TEXT && value.size() <= 0xffff)
        return LNApi().NSFItemSetText(note, name, value.data(), static_cast<WORD>(value.size()));
    if (item.old.nType == TYPE_NUMBER && value.size() == sizeof(NUMBER)) {
        NUMBER number;
        std::memcpy(&number, value.data(), sizeof number);
        return LNApi().NSFItemSetNumber(note, name, &number);
    }
    if (item.old.nType == TYPE_TIME && value.size() == sizeof(TIMEDATE)) {
        TIMEDATE time;
        std::memcpy(&time, value.data(), sizeof time);
        return LNApi().NSFItemSetTime(note, name, &time);
    }
    LNApi().NSFItemDelete(note, name, static_cast<WORD>(item.sName.size()));
    return LNApi().NSFItemAppend(note, item.old.nFlags, name, static_cast<WORD>(item.sName.size()),
                                 item.old.nType, value.data(), value.size());
}

void Left(tagLNUndoOutcome* outcome, const std::string& sentence) {
    ++outcome->nLeft;
    outcome->lines.push_back(sentence);
}

std::string Doc(NOTEID id) {
    return "Document " + std::to_string(id);
}

// The items of one changed document; true when any was put back.
bool RestoreItems(NOTEHANDLE note, const tagLNUndoDoc& doc, const LNRawItems& current,
                  tagLNUndoOutcome* outcome) {
    bool restored = false;
    for (const tagLNUndoItem& item : doc.items) {
        if (!StillAsRunLeftIt(current, item)) {
            Left(outcome, Doc(doc.nDoc) + ": " + item.sName +
                              " was changed after the run; it was left as it is.");
            continue;
        }
        if (note && Restore(note, item) != NOERROR) {
            Left(outcome, Doc(doc.nDoc) + ": " + item.sName + " could not be put back.");
            continue;
        }
        ++outcome->nRestored;
        restored = true;
    }
    return restored;
}

void UndoChange(CxLNBaseUtil* owner, DBHANDLE db, const tagLNUndoDoc& doc, bool dryRun,
                tagLNUndoOutcome* outcome) {
    NOTEHANDLE note = NULLHANDLE;
    if (LNApi().NSFNoteOpen(db, doc.nDoc, 0, &note) != NOERROR) {
        Left(outcome, Doc(doc.nDoc) + " can not be opened any more; it was left as it is.");
        return;
    }
    const LNRawItems current = LNReadNoteItems(note);
    const bool restored = RestoreItems(dryRun ? NULLHANDLE : note, doc, current, outcome);
    long entry = 0;
    if (restored && !dryRun &&
        (entry = LNJournalAhead(owner, "change", doc.nDoc, current, LNReadNoteItems(note))) >= 0) {
        const STATUS status = LNApi().NSFNoteUpdate(note, 0);
        if (status != NOERROR)
            LNReportCallFailure(owner, "NSFNoteUpdate", status);
        LNJournalDone(entry, doc.nDoc, status == NOERROR);
    }
    LNApi().NSFNoteClose(note);
}

} // namespace

void LNApplyUndo(CxLNBaseUtil* owner, DBHANDLE db, const tagLNUndoPlan& plan, bool dryRun,
                 tagLNUndoOutcome* outcome) {
    // The latest change of a document is the first to take back.
    for (auto doc = plan.docs.rbegin(); doc != plan.docs.rend(); ++doc) {
        if (doc->sAction == "change")
            UndoChange(owner, db, *doc, dryRun, outcome);
        else if (doc->sAction == "create")
            Left(outcome, Doc(doc->nDoc) + " was created by the run; the undo does not delete it.");
        else
            Left(outcome, Doc(doc->nDoc) + " was deleted by the run; the undo does not re-create it.");
    }
}
