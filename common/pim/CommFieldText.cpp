#include "CommFieldText.h"

#include <cstdint>
#include <cstring>
#include <ctime>

#include "common/misc/CxDateTime.h"
#include "common/misc/CxString.h"

namespace {

bool BeginText(char* buffer, std::size_t size) {
    if (!buffer || size == 0)
        return false;
    buffer[0] = '\0';
    buffer[size - 1] = '\0';
    return true;
}

// The "Source Type" text of a value; null for any value without one.
const char* SourceTypeText(int32_t value) {
    static const char* const kTexts[] = {
        "Palm",     "Palm(4.1.2 and aboves)",
        "Outlook",  "Windows Address Book",
        "MSN",      "ICQ",
        "Yahoo",    "Google",
        "Domino",   "Endora",
        "CSV",      "XML",
        "VCard",    "Database",
        "Tellibox",
    };
    const int count = sizeof(kTexts) / sizeof(kTexts[0]);
    return value >= 1 && value <= count ? kTexts[value - 1] : nullptr;
}

const char* PriorityText(int32_t priority) {
    return priority == 1 ? "High" : priority == 2 ? "Low" : "Normal";
}

// An integer field of one or four bytes.
int32_t IntOf(const char* at, std::size_t size) {
    if (size == 1)
        return static_cast<unsigned char>(*at);
    int32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

double VariantOf(const char* at) {
    double value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

void TimeText(const char* at, int32_t show, char* buffer, std::size_t size) {
    SYSTEMTIME st;
    std::memcpy(&st, at, sizeof st);
    CxDateTime value;
    value.SetSysTime(st);
    char text[32];
    if (show == COMM_SHOW_TIME)
        value.FormatTime(text);
    else if (show == COMM_SHOW_DATE_TIME)
        value.FormatDateTime(text);
    else
        value.FormatDate(text);
    CxStrCopy(buffer, size, text);
}

// No due date and dates before 2000 read "N/A"; later ones their date
// text, which is empty after 2030.
void DueDateText(int32_t seconds, char* buffer, std::size_t size) {
    CxDateTime due;
    due.SetTimeT(static_cast<time_t>(seconds));
    if (seconds == 0 || !due.IsValid() || due.GetSysTime().wYear < 2000) {
        CxStrCopy(buffer, size, "N/A");
        return;
    }
    char text[32];
    due.FormatDate(text);
    CxStrCopy(buffer, size, text);
}

bool ShowField(const tagCommFieldRow& field, const char* at, char* buffer, std::size_t size) {
    char text[32];
    switch (field.nShow) {
    case COMM_SHOW_REFUSED:
        return false;
    case COMM_SHOW_TEXT:
        CxStrCopyN(buffer, size, at, field.nSize - 1);
        return true;
    case COMM_SHOW_YES_NO:
        CxStrCopy(buffer, size, IntOf(at, field.nSize) ? "Yes" : "No");
        return true;
    case COMM_SHOW_TIME:
    case COMM_SHOW_DATE_TIME:
    case COMM_SHOW_DATE:
        TimeText(at, field.nShow, buffer, size);
        return true;
    case COMM_SHOW_VARIANT:
        CxDateTime(VariantOf(at)).FormatDateTime(text);
        CxStrCopy(buffer, size, text);
        return true;
    case COMM_SHOW_MOMENT:
        if (FormatVariantTime(VariantOf(at), text))
            CxStrCopy(buffer, size, text);
        return true;
    case COMM_SHOW_PRIORITY:
        CxStrCopy(buffer, size, PriorityText(IntOf(at, field.nSize)));
        return true;
    case COMM_SHOW_DUE_DATE:
        DueDateText(IntOf(at, field.nSize), buffer, size);
        return true;
    case COMM_SHOW_COLOR:
        CxStrFormat(buffer, size, "#%06x", static_cast<unsigned>(IntOf(at, field.nSize)));
        return true;
    case COMM_SHOW_SOURCE_TYPE: {
        const char* source = SourceTypeText(IntOf(at, field.nSize));
        if (source)
            CxStrCopy(buffer, size, source);
        return source != nullptr;
    }
    case COMM_SHOW_REPEAT:
        CxStrCopy(buffer, size, "Repeat Info");
        return true;
    default:
        return true; // COMM_SHOW_NOTHING
    }
}

} // namespace

bool CommGetFieldInfo(const tagCommFieldTable& table, int key, tagCommFieldInfo* row) {
    const tagCommFieldRow* found = CommFindFieldRow(table, key);
    if (!row || !found)
        return false;
    *row = found->info;
    return true;
}

bool CommGetFieldText(const tagCommFieldTable& table, const void* record,
                      const tagCommFieldInfo* row, char* buffer, std::size_t size) {
    if (!record || !row || !BeginText(buffer, size))
        return false;
    const tagCommFieldRow* field = CommFindFieldRow(table, row->nKey);
    if (!field)
        return !table.bWidths;
    if (table.bWidths && static_cast<std::size_t>(field->info.nSize) >= size)
        return false;
    return ShowField(*field, static_cast<const char*>(record) + field->nOffset, buffer, size);
}
