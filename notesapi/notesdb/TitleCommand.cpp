// The title of a database, kept in its information buffer.
#include <cstdio>

#include "Commands.h"
#include "DumpText.h"
#include "NotesDb.h"

namespace {

STATUS SetTitle(DBHANDLE db, const std::string& title) {
    char info[NSF_INFO_SIZE] = "";
    STATUS status = NSFDbInfoGet(db, info);
    if (status != NOERROR)
        return status;
    NSFDbInfoModify(info, INFOPARSE_TITLE, LmbcsFromDump(title).c_str());
    return NSFDbInfoSet(db, info);
}

STATUS PrintTitle(DBHANDLE db) {
    char info[NSF_INFO_SIZE] = "", title[NSF_INFO_SIZE] = "";
    STATUS status = NSFDbInfoGet(db, info);
    if (status != NOERROR)
        return status;
    NSFDbInfoParse(info, INFOPARSE_TITLE, title, sizeof title - 1);
    std::printf("%s\n", DumpFromLmbcs(title).c_str());
    return NOERROR;
}

} // namespace

int TitleCommand(const std::string& path, const std::string* title) {
    DBHANDLE db = NULLHANDLE;
    STATUS status = NSFDbOpen(LmbcsFromDump(path).c_str(), &db);
    if (status != NOERROR)
        return Fail("cannot open " + path + ": " + StatusText(status));
    status = title ? SetTitle(db, *title) : PrintTitle(db);
    NSFDbClose(db);
    if (status != NOERROR)
        return Fail("cannot " + std::string(title ? "set" : "read") + " the title of " + path +
                    ": " + StatusText(status));
    return 0;
}
