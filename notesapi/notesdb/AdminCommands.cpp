// Commands built on the stand-in's administration calls.
#include <strings.h>

#include "Commands.h"
#include "NotesDb.h"

namespace {

struct LevelName {
    const char* name;
    WORD level;
};
const LevelName kLevels[] = {{"none", ZNS_ACCESS_NONE},
                             {"reader", ZNS_ACCESS_READER},
                             {"editor", ZNS_ACCESS_EDITOR},
                             {"manager", ZNS_ACCESS_MANAGER}};

} // namespace

int CreateCommand(const std::string& db) {
    STATUS status = ZNSCreateDatabase(db.c_str());
    return status == NOERROR ? 0 : Fail("cannot create " + db + ": " + StatusText(status));
}

int AclCommand(const std::string& db, const std::string& user, const std::string& level) {
    for (const LevelName& entry : kLevels) {
        if (strcasecmp(entry.name, level.c_str()) != 0)
            continue;
        STATUS status = ZNSSetAccess(db.c_str(), user.c_str(), entry.level);
        return status == NOERROR
                   ? 0
                   : Fail("cannot set access of " + user + " in " + db + ": " +
                          StatusText(status));
    }
    return Fail("unknown access level \"" + level + "\" (none, reader, editor, manager)");
}

int IdCommand(const std::string& file, const std::string& user, const std::string& password) {
    STATUS status = ZNSCreateIDFile(file.c_str(), user.c_str(), password.c_str());
    return status == NOERROR ? 0 : Fail("cannot create ID file " + file + ": " + StatusText(status));
}
