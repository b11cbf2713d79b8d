// The database information buffer: the title, then the categories, the
// class after "#1" and the design class after "#2", one to a line.
#pragma once
#include <string>

namespace zns {

struct DbInfoParts {
    std::string title, categories, dbClass, designClass;
};

DbInfoParts ParseDbInfo(const std::string& info);
// Cut to what the buffer holds.
std::string MakeDbInfo(const DbInfoParts& parts);
// The part of `what` (INFOPARSE_...); null for an unknown part.
std::string* DbInfoPart(DbInfoParts& parts, unsigned what);

} // namespace zns
