// Commands built on the stand-in's administration calls.
#include <cstdio>
#include <strings.h>

#include "Commands.h"
#include "DumpText.h"
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

bool FindAccessLevel(const std::string& name, WORD* level) {
    for (const LevelName& entry : kLevels) {
        if (strcasecmp(entry.name, name.c_str()) == 0) {
            if (level)
                *level = entry.level;
            return true;
        }
    }
    return false;
}

int AclCommand(const std::string& db, const std::string& user, const std::string& levelName) {
    WORD level = 0;
    if (!FindAccessLevel(levelName, &level))
        return Fail("unknown access level \"" + levelName + "\"");
    STATUS status = ZNSSetAccess(db.c_str(), LmbcsFromDump(user).c_str(), level);
    return status == NOERROR
               ? 0
               : Fail("cannot set access of " + user + " in " + db + ": " + StatusText(status));
}

int IdCommand(const std::string& file, const std::string& user, const std::string& password) {
    STATUS status = ZNSCreateIDFile(file.c_str(), LmbcsFromDump(user).c_str(),
                                    LmbcsFromDump(password).c_str());
    return status == NOERROR ? 0
                             : Fail("cannot create ID file " + file + ": " + StatusText(status));
}

int ConvertCommand(const std::string& db) {
    BOOL converted = FALSE;
    STATUS status = ZNSConvertDatabase(db.c_str(), &converted);
    if (status != NOERROR)
        return Fail("cannot convert " + db + ": " + StatusText(status));
    std::printf("%s: %s\n", db.c_str(),
                converted ? "its text is LMBCS now" : "its text was LMBCS already");
    return 0;
}
