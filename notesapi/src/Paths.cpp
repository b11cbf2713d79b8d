#include "notesapi/src/Paths.h"

#include "notesapi/src/Session.h"
#include "notesapi/src/Text.h"
#include "notesapi/src/Translate.h"

#include <algorithm>

namespace zns {

std::string NativeText(const std::string& lmbcs) {
    return TranslateText(TextForm::Lmbcs, TextForm::Utf8, lmbcs);
}

std::string LmbcsText(const std::string& native) {
    return TranslateText(TextForm::Utf8, TextForm::Lmbcs, native);
}

std::string NormalisePath(const std::string& path) {
    std::string result = path;
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || (!name.empty() && name[0] == '/'))
        return name;
    if (name.empty())
        return folder;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string ResolveLocalPath(const std::string& given) {
    return JoinPath(TheSession().dataDir, NormalisePath(NativeText(given)));
}

namespace {

bool FindServer(const std::string& name, std::string& folder) {
    for (const auto& server : TheSession().servers) {
        if (EqualNoCase(server.first, name)) {
            folder = server.second;
            return true;
        }
    }
    return false;
}

} // namespace

bool IsServerPath(const std::string& given) {
    const std::size_t bang = given.find("!!");
    return bang != std::string::npos && !Trim(given.substr(0, bang)).empty();
}

STATUS ResolveDatabasePath(const std::string& lmbcs, std::string& file) {
    const std::string given = NativeText(lmbcs);
    std::size_t bang = given.find("!!");
    if (!IsServerPath(given)) {
        std::string local = bang == std::string::npos ? given : given.substr(bang + 2);
        file = JoinPath(TheSession().dataDir, NormalisePath(local));
        return NOERROR;
    }
    std::string folder;
    if (!FindServer(Trim(given.substr(0, bang)), folder))
        return ERR_SERVER_NOT_RESPONDING;
    // A server serves only its own folder, so a leading slash is no escape.
    std::string rest = NormalisePath(given.substr(bang + 2));
    rest.erase(0, rest.find_first_not_of('/'));
    file = JoinPath(folder, rest);
    return NOERROR;
}

} // namespace zns

STATUS LNPUBLIC OSPathNetConstruct(const char* PortName, const char* ServerName,
                                   const char* FileName, char* retPathName) {
    (void)PortName;
    if (!retPathName)
        return ERR_BAD_ARGUMENT;
    std::string file = FileName ? FileName : "";
    std::string path = (ServerName && *ServerName) ? std::string(ServerName) + "!!" + file : file;
    zns::CopyText(retPathName, MAXPATH, path);
    return NOERROR;
}

WORD LNPUBLIC OSGetDataDirectory(char* retPathName) {
    ZNS_REQUIRE_INIT(0);
    if (!retPathName)
        return 0;
    return static_cast<WORD>(
        zns::CopyText(retPathName, MAXPATH, zns::LmbcsText(zns::TheSession().dataDir)));
}
