#include "VxTemplate.h"

#include <algorithm>
#include <cstring>

#include "platform/Cp1252.h"
#include "wizard/update/VxKeyText.h"
#include "wizard/update/VxValueText.h"

namespace {

const char kLoneOpen[] = "The template has a \"{\" without its \"}\"; write \"{{\" for a brace.";
const char kLoneClose[] = "A \"}\" in the template is written \"}}\".";

void AddText(std::vector<tagFUTemplatePart>* parts, char c) {
    if (parts->empty() || parts->back().pRow)
        parts->push_back({"", nullptr});
    parts->back().text += c;
}

bool AddField(const std::string& name, const tagFUKindFields& kind,
              std::vector<tagFUTemplatePart>* parts, std::string* why) {
    const tagFUFieldInfo* row = FUCatalogueFindName(kind, name);
    if (row) {
        parts->push_back({"", row});
        return true;
    }
    const std::string nearest = FUNearestNames(kind, name);
    *why = "Unknown field \"" + platform::Cp1252ToUtf8(name) + "\" in the template" +
           (nearest.empty() ? "." : "; did you mean " + nearest + "?");
    return false;
}

// Edits that make one name of the other, letters compared without case.
std::size_t Distance(const std::string& a, const std::string& b) {
    const std::string x = FUKeyText(a), y = FUKeyText(b);
    std::vector<std::size_t> row(y.size() + 1);
    for (std::size_t j = 0; j <= y.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= x.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] != y[j - 1])});
            diagonal = above;
        }
    }
    return row[y.size()];
}

std::string NumberText(int32_t value) {
    return std::to_string(value);
}

} // namespace

bool FUParseTemplate(const std::string& text, const tagFUKindFields& kind,
                     std::vector<tagFUTemplatePart>* parts, std::string* why) {
    parts->clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool doubled = i + 1 < text.size() && text[i + 1] == c;
        if ((c == '{' || c == '}') && doubled) {
            AddText(parts, c);
            ++i;
        } else if (c == '}') {
            *why = kLoneClose;
            return false;
        } else if (c == '{') {
            const std::size_t end = text.find('}', i + 1);
            if (end == std::string::npos || text.find('{', i + 1) < end) {
                *why = kLoneOpen;
                return false;
            }
            if (!AddField(text.substr(i + 1, end - i - 1), kind, parts, why))
                return false;
            i = end;
        } else {
            AddText(parts, c);
        }
    }
    return true;
}

std::string FUFieldValueText(const void* record, const tagFUKindFields& kind,
                             const tagFUFieldInfo& row) {
    const void* at = FUFieldOf(const_cast<void*>(record), kind, row.nKey);
    if (!at)
        return "";
    switch (row.nType) {
    case FU_TYPE_STRING:
        return std::string(static_cast<const char*>(at),
                           strnlen(static_cast<const char*>(at), static_cast<std::size_t>(row.nMaxLen)));
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME: {
        double value;
        std::memcpy(&value, at, sizeof value);
        return value == 0.0 ? "" : FUDateText(value, row.nType == FU_TYPE_DATETIME);
    }
    case FU_TYPE_BOOLEAN:
        return *static_cast<const uint8_t*>(at) ? "Yes" : "No";
    case FU_TYPE_INTEGER:
    case FU_TYPE_ENUM: {
        int32_t value;
        std::memcpy(&value, at, sizeof value);
        const std::string name = row.nType == FU_TYPE_ENUM ? FUChoiceName(row, value) : "";
        return name.empty() ? NumberText(value) : name;
    }
    default:
        return "";
    }
}

std::string FUBuildTemplate(const void* record, const tagFUKindFields& kind,
                            const std::vector<tagFUTemplatePart>& parts) {
    std::string text;
    for (const tagFUTemplatePart& part : parts)
        text += part.pRow ? FUFieldValueText(record, kind, *part.pRow) : part.text;
    return text;
}

std::string FUNearestNames(const tagFUKindFields& kind, const std::string& name) {
    std::vector<std::pair<std::size_t, int>> scored;
    for (int i = 0; i < kind.nCount; ++i) {
        const std::string field = kind.pFields[i].row.szName;
        const std::size_t d = Distance(name, field);
        // Close enough to be a slip: a third of the longer name at most, or
        // a part of the name.
        const std::string wanted = FUKeyText(name);
        const std::size_t longer = std::max(wanted.size(), field.size());
        const bool part = wanted.size() >= 3 && FUKeyText(field).find(wanted) != std::string::npos;
        if (part)
            scored.push_back({0, i});
        else if (d <= std::max<std::size_t>(2, longer / 3))
            scored.push_back({d, i});
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // Only the closest are worth naming.
    while (!scored.empty() && scored.back().first > scored.front().first)
        scored.pop_back();
    std::string text;
    for (std::size_t n = 0; n < scored.size() && n < 3; ++n) {
        const bool last = n + 1 == scored.size() || n == 2;
        text += n == 0 ? "" : (last ? " or " : ", ");
        text += "\"" + platform::Cp1252ToUtf8(kind.pFields[scored[n].second].row.szName) + "\"";
    }
    return text;
}
