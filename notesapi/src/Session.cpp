#include "notesapi/src/Session.h"

#include "notesapi/src/Handles.h"
#include "notesapi/src/IdFile.h"
#include "notesapi/src/Ini.h"
#include "notesapi/src/Paths.h"

#include <cstdlib>
#include <unistd.h>

namespace zns {

namespace {

std::string CurrentDirectory() {
    char buffer[4096];
    if (!getcwd(buffer, sizeof buffer))
        return ".";
    return buffer;
}

int BusyTimeout(const IniFile& ini) {
    std::string text;
    if (!ini.Get("Notes", "ZNSBusyTimeout", text) && !ini.Get("", "ZNSBusyTimeout", text))
        return 10000;
    long value = std::strtol(text.c_str(), nullptr, 10);
    return value < 0 ? 0 : (value > 600000 ? 600000 : static_cast<int>(value));
}

// Keys of the Notes section may also stand before any section header.
std::string NotesSetting(const IniFile& ini, const char* key) {
    std::string value;
    if (!ini.Get("Notes", key, value))
        ini.Get("", key, value);
    return value;
}

// The user of the KeyFilename= ID file; nobody when there is none.
std::string DefaultUser(const std::string& keyFile) {
    std::string user;
    if (keyFile.empty() || ReadIdFileUser(keyFile, user) != NOERROR)
        return std::string();
    return user;
}

} // namespace

Session& TheSession() {
    static Session session;
    return session;
}

std::recursive_mutex& ApiMutex() {
    static std::recursive_mutex mutex;
    return mutex;
}

STATUS StartSession(const std::string& iniFile) {
    Session& s = TheSession();
    if (s.initialized)
        return NOERROR;
    // Without notes.ini (a tool outside an installation) the defaults hold:
    // the data folder is the ini's folder, no servers, nobody as user.
    IniFile ini;
    const std::string path = JoinPath(CurrentDirectory(), iniFile.empty() ? "notes.ini" : iniFile);
    ini.Load(path);
    const std::string folder = path.substr(0, path.find_last_of('/'));
    Session fresh;
    fresh.dataDir = JoinPath(folder, NormalisePath(NotesSetting(ini, "Directory")));
    for (const IniFile::Entry& e : ini.Entries("Servers"))
        fresh.servers.emplace_back(e.first, JoinPath(folder, NormalisePath(e.second)));
    std::string keyFile = NotesSetting(ini, "KeyFilename");
    if (!keyFile.empty())
        fresh.user = DefaultUser(JoinPath(fresh.dataDir, NormalisePath(keyFile)));
    fresh.busyTimeoutMs = BusyTimeout(ini);
    fresh.initialized = true;
    s = fresh;
    return NOERROR;
}

void EndSession() {
    CloseAllHandles();
    TheSession() = Session();
}

} // namespace zns
