#include "notesapi/src/Access.h"

#include "notesapi/src/Text.h"

namespace zns {

bool IsAccessLevel(int level) {
    return level == ZNS_ACCESS_NONE || level == ZNS_ACCESS_READER || level == ZNS_ACCESS_EDITOR ||
           level == ZNS_ACCESS_MANAGER;
}

int AccessLevel(const std::vector<AccessEntry>& entries, const std::string& user) {
    if (entries.empty())
        return ZNS_ACCESS_MANAGER;
    int level = ZNS_ACCESS_NONE;
    for (const AccessEntry& e : entries) {
        if (!user.empty() && EqualNoCase(e.user, user))
            return e.level;
        if (EqualNoCase(e.user, ZNS_DEFAULT_ENTRY))
            level = e.level;
    }
    return level;
}

bool CanRead(int level) {
    return level >= ZNS_ACCESS_READER;
}

bool CanWrite(int level) {
    return level >= ZNS_ACCESS_EDITOR;
}

} // namespace zns
