// Notes: an empty field catalogue (library build); the kind carries no content.
#include "CxLNFieldCatalog.h"
#include "common/lotus/exchange/CxLNNote.h"

namespace {

const tagLNCatalog kCatalog = {nullptr, 0, false};

} // namespace

LN_CATALOG_OPERATIONS(CxLNNoteUtil, tagCxLNNoteRec, kCatalog)

char* CxLNNoteUtil::GetFieldText(tagCxLNNoteRec*, unsigned long) {
    return LNEmptyFieldText();
}

bool CxLNNoteUtil::SetFieldValueByText(unsigned long, const char*, tagCommNoteRec*) {
    return false;
}
