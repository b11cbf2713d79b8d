// Notes: an empty field catalogue (library build); the kind carries no content.
#include "CxLNFieldCatalog.h"
#include "CxLNNote.h"

namespace {

const tagLNCatalog kCatalog = {nullptr, 0, false};

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

char* CxLNNoteUtil::GetFieldText(tagCxLNNoteRec*, unsigned long) {
    return LNEmptyFieldText();
}

void* CxLNNoteUtil::GetFieldValue(tagCxLNNoteRec*, unsigned long) {
    return nullptr;
}

bool CxLNNoteUtil::SetFieldValueByText(unsigned long, const char*, tagCommNoteRec*) {
    return false;
}
