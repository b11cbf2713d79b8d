// Note catalogue lookup and text forms (wizard build).
#include "common/misc/CxDateTime.h"
#include "common/misc/CxString.h"
#include "common/pim/CommFieldText.h"
#include "common/pim/CommNoteMgr.h"

namespace {

const tagCommFieldInfo kRows[] = {
    {0, "Color", COMM_FIELD_NONE, 4},
    {1, "Private", COMM_FIELD_NONE, 4},
    {2, "Subject", COMM_FIELD_NONE, 256},
    {3, "Note", COMM_FIELD_NONE, 20480},
    {4, "Category", COMM_FIELD_NONE, 256},
    {5, "Creation Time", COMM_FIELD_NONE, 8},
    {6, "Last Modification Time", COMM_FIELD_NONE, 8},
    {7, "Source", COMM_FIELD_NONE, 4},
    {8, "Status", COMM_FIELD_NONE, 4},
    {9, "ID(Integer)", COMM_FIELD_NONE, 4},
    {10, "ID(String)", COMM_FIELD_NONE, 32},
};
const int kRowCount = sizeof(kRows) / sizeof(kRows[0]);

void MomentText(double value, char* buffer, std::size_t size) {
    char text[32];
    if (FormatVariantTime(value, text))
        CxStrCopy(buffer, size, text);
}

void PutText(const tagCommNoteRec& rec, int key, char* buffer, std::size_t size) {
    switch (key) {
    case 1:
        CxStrCopy(buffer, size, CommYesNo(rec.nPrivate));
        break;
    case 2:
        CommCopyField(buffer, size, rec.szSubject);
        break;
    case 3:
        CommCopyField(buffer, size, rec.szNote);
        break;
    case 4:
        CommCopyField(buffer, size, rec.szCategory);
        break;
    default:
        break; // no text form: stays empty
    }
}

} // namespace

bool CommNoteMgr::GetCommFieldInfo(int key, tagCommFieldInfo* row) {
    return CommCopyRow(kRows, kRowCount, key, row);
}

bool CommNoteMgr::GetCommFieldText(const tagCommNoteRec* record, const tagCommFieldInfo* row,
                                   char* buffer, std::size_t size) {
    if (!record || !row || !CommBeginText(buffer, size))
        return false;
    switch (row->nKey) {
    case 0:
        CxStrFormat(buffer, size, "#%06x", static_cast<unsigned>(record->nColor));
        break;
    case 5:
        MomentText(record->dtCreationTime, buffer, size);
        break;
    case 6:
        MomentText(record->dtLastModificationTime, buffer, size);
        break;
    default:
        PutText(*record, row->nKey, buffer, size);
        break;
    }
    return true;
}
