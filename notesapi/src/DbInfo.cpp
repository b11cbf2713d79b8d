#include "notesapi/src/DbInfo.h"

#include "notesapi/src/Api.h"
#include "notesapi/src/Lmbcs.h"

#include <sstream>

namespace zns {

namespace {

const char kClassMark[] = "#1";
const char kDesignClassMark[] = "#2";

bool Marked(const std::string& line, const char* mark, std::string& part) {
    if (line.compare(0, 2, mark) != 0)
        return false;
    part = line.substr(2);
    return true;
}

} // namespace

DbInfoParts ParseDbInfo(const std::string& info) {
    DbInfoParts parts;
    std::istringstream lines(info);
    std::string line;
    for (int n = 0; std::getline(lines, line); ++n) {
        if (Marked(line, kClassMark, parts.dbClass) ||
            Marked(line, kDesignClassMark, parts.designClass))
            continue;
        if (n == 0)
            parts.title = line;
        else if (n == 1)
            parts.categories = line;
    }
    return parts;
}

std::string MakeDbInfo(const DbInfoParts& parts) {
    std::string info = parts.title;
    if (!parts.categories.empty() || !parts.dbClass.empty() || !parts.designClass.empty())
        info += "\n" + parts.categories;
    if (!parts.dbClass.empty() || !parts.designClass.empty())
        info += "\n" + std::string(kClassMark) + parts.dbClass;
    if (!parts.designClass.empty())
        info += "\n" + std::string(kDesignClassMark) + parts.designClass;
    info.resize(
        LmbcsCut(reinterpret_cast<const uint8_t*>(info.data()), info.size(), NSF_INFO_SIZE - 1));
    return info;
}

std::string* DbInfoPart(DbInfoParts& parts, unsigned what) {
    switch (what) {
    case INFOPARSE_TITLE:
        return &parts.title;
    case INFOPARSE_CATEGORIES:
        return &parts.categories;
    case INFOPARSE_CLASS:
        return &parts.dbClass;
    case INFOPARSE_DESIGN_CLASS:
        return &parts.designClass;
    default:
        return nullptr;
    }
}

} // namespace zns
