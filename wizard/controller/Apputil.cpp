#include "Apputil.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "common/misc/CxIniUtil.h"
#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"
#include "platform/SpecialFolders.h"
#include "platform/SystemError.h"
#include "wizard/controller/WizardKinds.h"

namespace {

const char kSection[] = "LN-VX";
const std::size_t kFolderSize = CX_MAX_PATH;

// The saved texts of the settings, in the order they are written.
struct tagTextKey {
    const char* name;
    std::size_t nOffset;
    std::size_t nSize;
};

const tagTextKey kTextKeys[] = {
    {"NotesPath", offsetof(AppSettings, NotesPath), sizeof(AppSettings::NotesPath)},
    {"ServerName", offsetof(AppSettings, ServerName), sizeof(AppSettings::ServerName)},
    {"UserName", offsetof(AppSettings, UserName), sizeof(AppSettings::UserName)},
    {"AddrFile", offsetof(AppSettings, AddrFile), sizeof(AppSettings::AddrFile)},
    {"MailDBName", offsetof(AppSettings, MailDBName), sizeof(AppSettings::MailDBName)},
    {"IDFile", offsetof(AppSettings, IDFile), sizeof(AppSettings::IDFile)},
};

const char* TextOf(const AppSettings* settings, const tagTextKey& key) {
    return reinterpret_cast<const char*>(settings) + key.nOffset;
}

char* TextOf(AppSettings* settings, const tagTextKey& key) {
    return reinterpret_cast<char*>(settings) + key.nOffset;
}

// `name` in the Lotus Notes program folder.
bool InNotesFolder(char* buffer, std::size_t size, const char* name) {
    char folder[256] = "";
    if (!buffer || size == 0 || !GetLotusNotesPath(folder, sizeof folder))
        return false;
    CxStrFormat(buffer, size, "%s%s", folder, name);
    return true;
}

bool IsFolder(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Refuse(std::string* problem, const std::string& folder, const std::string& reason) {
    if (problem)
        *problem = "The data folder " + folder + " cannot be used: " + reason + ".";
    return false;
}

// Another process may make the folder at the same moment; a file of that
// name is no folder.
bool EnsureFolder(const std::string& path, std::string* problem) {
    if (IsFolder(path) || mkdir(path.c_str(), 0700) == 0)
        return true;
    const int error = errno;
    if (error == EEXIST && IsFolder(path))
        return true;
    return Refuse(problem, path,
                  error == EEXIST ? "it is not a folder" : platform::SystemErrorText(error));
}

// Nobody but its owner, this user, may look into the folder or put files in
// it; a folder of ours that others may use is made private again.
bool MakePrivate(const std::string& path, std::string* problem) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return Refuse(problem, path, platform::SystemErrorText(errno));
    if (st.st_uid != geteuid())
        return Refuse(problem, path, "it belongs to another user");
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) && chmod(path.c_str(), S_IRWXU) != 0)
        return Refuse(problem, path, "other users may read or write it");
    return true;
}

// A path that does not fit its buffer is refused rather than cut, since a cut
// path names another file.
bool CopyWhole(char* buffer, std::size_t size, const std::string& text) {
    if (!buffer || size == 0 || text.size() >= size)
        return false;
    CxStrCopy(buffer, size, text.c_str());
    return true;
}

} // namespace

const char* const kHomePageAddress = "https://www.zembrik.com/corvane-notes/?ref=app";
const char* const kSupportAddress = "support@zembrik.com";

void LoadSettings(AppSettings* settings, const char* iniPath) {
    if (!settings)
        return;
    std::memset(settings, 0, sizeof *settings);
    CxIniUtil ini(nullptr, "");
    ini.SetFileName(iniPath);
    for (const tagTextKey& key : kTextKeys)
        ini.ReadString(kSection, key.name, TextOf(settings, key), static_cast<int>(key.nSize), "");
    settings->AppFlag = ini.GetInt(kSection, "AppFlag", 1);
    settings->EnableDebug = ini.GetBool(kSection, "EnableDebug", false);
    settings->LogLevel = ini.GetInt(kSection, "LogLevel", 3);
    settings->RecordPauseMs = ini.GetInt(kSection, "RecordPauseMs", kDefaultRecordPauseMs);
    if (settings->RecordPauseMs < 0 || settings->RecordPauseMs > kMaxRecordPauseMs)
        settings->RecordPauseMs = kDefaultRecordPauseMs;
    if (!GetWizardKind(settings->AppFlag))
        settings->AppFlag = 1;
}

bool SaveSettings(const AppSettings* settings, const char* iniPath) {
    if (!settings || !iniPath || !*iniPath)
        return false;
    CxIniUtil ini(nullptr, "");
    ini.SetFileName(iniPath);
    bool ok = ini.WriteInt(kSection, "AppFlag", settings->AppFlag);
    ok = ini.WriteInt(kSection, "EnableDebug", settings->EnableDebug ? 1 : 0) && ok;
    ok = ini.WriteInt(kSection, "LogLevel", settings->LogLevel) && ok;
    for (const tagTextKey& key : kTextKeys)
        ok = ini.WriteString(kSection, key.name, TextOf(settings, key)) && ok;
    return ok;
}

bool GetDataFolder(char* buffer, std::string* problem) {
    std::string folder;
    if (!buffer || !platform::GetCommonAppDataFolder(&folder))
        return Refuse(problem, "(unknown)", "the application data folder is not known");
    folder += "/zembrik/";
    if (!EnsureFolder(folder, problem))
        return false;
    folder += "LN-VX/";
    if (folder.size() >= kFolderSize)
        return Refuse(problem, folder,
                      "its path is longer than " + std::to_string(kFolderSize - 1) + " characters");
    if (!EnsureFolder(folder, problem) || !MakePrivate(folder, problem))
        return false;
    return CopyWhole(buffer, kFolderSize, folder);
}

void GetSettingsFile(const char* dataFolder, char* buffer, std::size_t size) {
    char folder[CX_MAX_PATH] = "";
    if (dataFolder && *dataFolder)
        CxStrCopy(folder, dataFolder);
    else
        GetModulePath(nullptr, folder);
    CxStrFormat(buffer, size, "%szembrik.ini", folder);
}

bool GetDefaultNotesExe(char* buffer, std::size_t size) {
    return InNotesFolder(buffer, size, "notes");
}

bool GetDefaultAddrFile(char* buffer, std::size_t size) {
    std::string folder;
    if (!buffer || size == 0 || !platform::GetLocalAppDataFolder(&folder))
        return false;
    folder += "/Lotus/Notes/Data/names.nsf";
    CxStrCopy(buffer, size, folder.c_str());
    return true;
}

bool GetDefaultIDFile(char* buffer, std::size_t size) {
    return InNotesFolder(buffer, size, "Data/user.id");
}

bool OpenHomePage() {
    return OpenWithShell(kHomePageAddress);
}

bool OpenSupportMail() {
    char link[128];
    CxStrFormat(link, sizeof link,
                "mailto:%s?subject=Corvane%%20for%%20Lotus%%20Notes%%20Bug%%20Report",
                kSupportAddress);
    return OpenWithShell(link);
}

bool OpenHelpFile() {
    char folder[CX_MAX_PATH] = "";
    char file[CX_MAX_PATH + 16];
    GetModulePath(nullptr, folder);
    CxStrFormat(file, sizeof file, "%sVX_LN.html", folder);
    return OpenWithShell(file);
}
