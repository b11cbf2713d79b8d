// Single-record editing of calendar entries (library build).
#include "CxLNDate.h"
#include "CxLNRecordEdit.h"

namespace {
using Edit = LNRecordEdit<CxLNDateUtil, tagCommDateRec, tagCxLNDateRec>;
} // namespace

bool CxLNDateUtil::AddRecord(tagCommDateRec* common, bool submit) {
    return Edit::Add(this, common, submit);
}

bool CxLNDateUtil::UpdateRecord(tagCommDateRec* common, int position, bool submit) {
    return Edit::Update(this, common, position, submit);
}

bool CxLNDateUtil::DelRecord(tagCommDateRec* common, bool submit) {
    return Edit::Del(this, common, submit);
}

bool CxLNDateUtil::SyncRecord(tagCommDateRec* common, bool submit) {
    return Edit::Sync(this, common, submit);
}
