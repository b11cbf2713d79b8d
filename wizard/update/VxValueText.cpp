#include "VxValueText.h"

#include <cstdlib>
#include <cstring>

#include "platform/Cp1252.h"
#include "platform/OleDate.h"
#include "wizard/update/VxKeyText.h"
#include "wizard/update/VxValueTable.h"

namespace {

int ChoiceCount(const tagFUFieldInfo& row) {
    return row.nEnumCount < 0 ? 0 : (row.nEnumCount < FU_MAX_ENUM ? row.nEnumCount : FU_MAX_ENUM);
}

std::string ChoiceText(const tagFUFieldInfo& row, int entry) {
    return std::string(row.szEnumNames[entry], strnlen(row.szEnumNames[entry], 32));
}

} // namespace

bool FUParseDate(const std::string& text, bool withTime, double* value) {
    // Digits at fixed places: "YYYY-MM-DD", then " HH:MM" and ":SS".
    const char* date = "dddd-dd-dd";
    const char* minutes = "dddd-dd-dd dd:dd";
    const char* seconds = "dddd-dd-dd dd:dd:dd";
    const std::size_t n = text.size();
    const char* form = !withTime ? date : (n == 16 ? minutes : seconds);
    if (n != std::strlen(form))
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (form[i] == 'd' ? !digit : (text[i] != form[i] && !(i == 10 && text[i] == 'T')))
            return false;
    }
    auto at = [&text](std::size_t pos, std::size_t len) {
        return static_cast<uint16_t>(std::atoi(text.substr(pos, len).c_str()));
    };
    SYSTEMTIME st{};
    st.wYear = at(0, 4);
    st.wMonth = at(5, 2);
    st.wDay = at(8, 2);
    if (withTime) {
        st.wHour = at(11, 2);
        st.wMinute = at(14, 2);
        st.wSecond = n == 19 ? at(17, 2) : 0;
    }
    return SystemTimeToVariantTime(&st, value);
}

const char* FUDateForm(bool withTime) {
    return withTime ? "Write the date and time as YYYY-MM-DD HH:MM[:SS]."
                    : "Write the date as YYYY-MM-DD.";
}

bool FUParseNumber(const std::string& text, int32_t* value) {
    const std::string t = FUTrimText(text);
    if (t.empty())
        return false;
    char* end = nullptr;
    const long n = std::strtol(t.c_str(), &end, 10);
    if (*end || n < -2147483647L || n > 2147483647L)
        return false;
    *value = static_cast<int32_t>(n);
    return true;
}

bool FUParseFlag(const std::string& text, uint8_t* value) {
    for (const char* yes : {"true", "yes", "1"})
        if (FUSameKey(text, yes)) {
            *value = 1;
            return true;
        }
    for (const char* no : {"false", "no", "0"})
        if (FUSameKey(text, no)) {
            *value = 0;
            return true;
        }
    return false;
}

bool FUParseChoice(const tagFUFieldInfo& row, const std::string& name, int32_t* value,
                   std::string* why) {
    const int count = ChoiceCount(row);
    std::string names;
    for (int e = 0; e < count; ++e) {
        if (FUSameKey(name, ChoiceText(row, e))) {
            *value = row.nEnumValues[e];
            return true;
        }
        names += (e ? ", " : "") + platform::Cp1252ToUtf8(ChoiceText(row, e));
    }
    const std::string field = platform::Cp1252ToUtf8(row.szName);
    if (count <= 0)
        *why = "The field \"" + field + "\" offers no choices to set.";
    else
        *why = "\"" + platform::Cp1252ToUtf8(FUTrimText(name)) + "\" is not a choice of \"" +
               field + "\"; the choices are: " + names + ".";
    return false;
}

std::string FUChoiceName(const tagFUFieldInfo& row, int32_t value) {
    const int count = ChoiceCount(row);
    for (int e = 0; e < count; ++e)
        if (row.nEnumValues[e] == value)
            return ChoiceText(row, e);
    return "";
}

const char* const kFUClearCell = "{clear}";

bool FUParseCell(const tagFUFieldInfo& row, const std::string& text, tagFUCell* cell,
                 std::string* why) {
    *cell = tagFUCell();
    const std::string trimmed = FUTrimText(text);
    if (trimmed.empty())
        return true;
    const bool clears = row.nType == FU_TYPE_STRING || row.nType == FU_TYPE_DATE ||
                        row.nType == FU_TYPE_DATETIME;
    if (FUSameText(trimmed, kFUClearCell)) {
        if (!clears) {
            *why = std::string("a ") + GetFieldTypeName(row.nType) + " field cannot be cleared";
            return false;
        }
        cell->nState = FU_CELL_CLEAR;
        return true;
    }
    // Only a refusal shows the cell.
    auto shown = [&trimmed] { return "\"" + platform::Cp1252ToUtf8(trimmed) + "\" "; };
    bool ok = true;
    switch (row.nType) {
    case FU_TYPE_STRING:
        cell->text = text;
        break;
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME:
        ok = FUParseDate(trimmed, row.nType == FU_TYPE_DATETIME, &cell->dtValue);
        if (!ok)
            *why = shown() + (row.nType == FU_TYPE_DATETIME
                                ? "is no date and time; write it as YYYY-MM-DD HH:MM[:SS]"
                                : "is no date; write it as YYYY-MM-DD");
        break;
    case FU_TYPE_BOOLEAN:
        ok = FUParseFlag(trimmed, &cell->bValue);
        if (!ok)
            *why = shown() + "is no flag; write true or false (yes or no, 1 or 0)";
        break;
    case FU_TYPE_INTEGER:
        ok = FUParseNumber(trimmed, &cell->nValue);
        if (!ok)
            *why = shown() + "is no whole number";
        break;
    case FU_TYPE_ENUM:
        ok = FUParseChoice(row, trimmed, &cell->nValue, why);
        break;
    default:
        ok = false;
        *why = "the field cannot be updated";
        break;
    }
    cell->nState = ok ? FU_CELL_VALUE : FU_CELL_EMPTY;
    return ok;
}
