#include "Apputil.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "common/misc/CxIniUtil.h"
#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"
#include "platform/SpecialFolders.h"
#include "platform/SystemError.h"

namespace {

const char kSection[] = "LN-VX";
const std::size_t kFolderSize = CX_MAX_PATH;

bool IsKind(int value) {
    return value == 1 || value == 2 || value == 4;
}

template <std::size_t N> void ReadText(CxIniUtil& ini, const char* key, char (&field)[N]) {
    ini.ReadString(kSection, key, field, static_cast<int>(N), "");
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
    ReadText(ini, "NotesPath", settings->NotesPath);
    ReadText(ini, "ServerName", settings->ServerName);
    ReadText(ini, "UserName", settings->UserName);
    ReadText(ini, "AddrFile", settings->AddrFile);
    ReadText(ini, "MailDBName", settings->MailDBName);
    ReadText(ini, "IDFile", settings->IDFile);
    settings->AppFlag = ini.GetInt(kSection, "AppFlag", 1);
    settings->EnableDebug = ini.GetBool(kSection, "EnableDebug", false);
    settings->LogLevel = ini.GetInt(kSection, "LogLevel", 3);
    if (!IsKind(settings->AppFlag))
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
    ok = ini.WriteString(kSection, "NotesPath", settings->NotesPath) && ok;
    ok = ini.WriteString(kSection, "ServerName", settings->ServerName) && ok;
    ok = ini.WriteString(kSection, "UserName", settings->UserName) && ok;
    ok = ini.WriteString(kSection, "AddrFile", settings->AddrFile) && ok;
    ok = ini.WriteString(kSection, "MailDBName", settings->MailDBName) && ok;
    ok = ini.WriteString(kSection, "IDFile", settings->IDFile) && ok;
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
    char folder[256] = "";
    if (!buffer || size == 0 || !GetLotusNotesPath(folder, sizeof folder))
        return false;
    CxStrFormat(buffer, size, "%snotes", folder);
    return true;
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
    char folder[256] = "";
    if (!buffer || size == 0 || !GetLotusNotesPath(folder, sizeof folder))
        return false;
    CxStrFormat(buffer, size, "%sData/user.id", folder);
    return true;
}

bool OpenHomePage() {
    return OpenWithShell(kHomePageAddress);
}

bool OpenSupportMail() {
    char link[128];
    CxStrFormat(link, sizeof link, "mailto:%s?subject=Corvane%%20for%%20Lotus%%20Notes%%20Bug%%20Report",
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
