// Single-record editing of tasks (library build).
#include "CxLNRecordEdit.h"
#include "CxLNTask.h"

namespace {
using Edit = LNRecordEdit<CxLNTaskUtil, tagCommTaskRec, tagCxLNTaskRec>;
} // namespace

bool CxLNTaskUtil::AddRecord(tagCommTaskRec* common, bool submit) {
    return Edit::Add(this, common, submit);
}

bool CxLNTaskUtil::UpdateRecord(tagCommTaskRec* common, int position, bool submit) {
    return Edit::Update(this, common, position, submit);
}

bool CxLNTaskUtil::DelRecord(tagCommTaskRec* common, bool submit) {
    return Edit::Del(this, common, submit);
}

bool CxLNTaskUtil::SyncRecord(tagCommTaskRec* common, bool submit) {
    return Edit::Sync(this, common, submit);
}
