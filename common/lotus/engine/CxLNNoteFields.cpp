// Notes: an empty field catalogue and single-record editing (library build);
// the kind carries no content.
#include "common/lotus/exchange/CxLNNote.h"

#include "common/lotus/engine/CxLNFieldCatalog.h"
#include "common/lotus/engine/CxLNRecordEdit.h"

namespace {

const tagLNCatalog kCatalog = {nullptr, 0, false, nullptr, 0};

using Edit = CxLNRecordEdit<CxLNNoteUtil>;

} // namespace

unsigned long CxLNNoteUtil::GetFieldCount() {
    return kCatalog.nCount;
}

const tagLNRecField* CxLNNoteUtil::GetFieldInfo(unsigned long position) {
    return LNCatalogEntry(kCatalog, position);
}

bool CxLNNoteUtil::GetFieldInfo(unsigned long position, tagLNRecField* out) {
    return LNCatalogCopy(kCatalog, position, out);
}

const char* CxLNNoteUtil::GetFieldName(unsigned long position) {
    return LNCatalogName(kCatalog, position);
}

char* CxLNNoteUtil::GetFieldText(tagCxLNNoteRec* record, unsigned long id) {
    return LNCatalogText(kCatalog, record, id);
}

// No field gives a value of its own.
void* CxLNNoteUtil::GetFieldValue(tagCxLNNoteRec*, unsigned long) {
    return nullptr;
}

bool CxLNNoteUtil::SetFieldValueByText(unsigned long id, const char* text, tagCommNoteRec* common) {
    return LNCatalogSetText(kCatalog, id, text, common);
}

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
