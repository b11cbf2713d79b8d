// Single-record editing of contacts (library build).
#include "CxLNAddr.h"
#include "CxLNRecordEdit.h"

namespace {
using Edit = LNRecordEdit<CxLNAddrUtil, tagCommAddrRec, tagCxLNAddrRec>;
} // namespace

bool CxLNAddrUtil::AddRecord(tagCommAddrRec* common, bool submit) {
    return Edit::Add(this, common, submit);
}

bool CxLNAddrUtil::UpdateRecord(tagCommAddrRec* common, int position, bool submit) {
    return Edit::Update(this, common, position, submit);
}

bool CxLNAddrUtil::DelRecord(tagCommAddrRec* common, bool submit) {
    return Edit::Del(this, common, submit);
}

bool CxLNAddrUtil::SyncRecord(tagCommAddrRec* common, bool submit) {
    return Edit::Sync(this, common, submit);
}
