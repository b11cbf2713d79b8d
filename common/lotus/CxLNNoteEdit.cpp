// Single-record editing of notes (library build).
#include "CxLNNote.h"
#include "CxLNRecordEdit.h"

namespace {
using Edit = LNRecordEdit<CxLNNoteUtil, tagCommNoteRec, tagCxLNNoteRec>;
} // namespace

bool CxLNNoteUtil::AddRecord(tagCommNoteRec* common, bool submit) {
    return Edit::Add(this, common, submit);
}

bool CxLNNoteUtil::UpdateRecord(tagCommNoteRec* common, int position, bool submit) {
    return Edit::Update(this, common, position, submit);
}

bool CxLNNoteUtil::DelRecord(tagCommNoteRec* common, bool submit) {
    return Edit::Del(this, common, submit);
}

bool CxLNNoteUtil::SyncRecord(tagCommNoteRec* common, bool submit) {
    return Edit::Sync(this, common, submit);
}
