// Switching the current user to an ID file, and creating ID files.
#include "notesapi/src/IdFile.h"
#include "notesapi/src/Paths.h"
#include "notesapi/src/Session.h"
#include "notesapi/src/Text.h"

STATUS LNPUBLIC SECKFMSwitchToIDFile(char* IDFile, char* Password, char* retUserName,
                                     WORD MaxUserNameLength, DWORD, void*) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (retUserName && MaxUserNameLength > 0)
        retUserName[0] = '\0';
    if (!IDFile || !*IDFile)
        return ERR_NOEXIST;
    std::string user;
    STATUS status = zns::CheckIdFilePassword(zns::ResolveLocalPath(IDFile),
                                             Password ? Password : "", user);
    if (status != NOERROR)
        return status;
    zns::TheSession().user = user;
    if (retUserName)
        zns::CopyText(retUserName, MaxUserNameLength, user);
    return NOERROR;
}

STATUS LNPUBLIC SECKFMGetUserName(char* retUserName) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!retUserName)
        return ERR_BAD_ARGUMENT;
    zns::CopyText(retUserName, MAXUSERNAME, zns::TheSession().user);
    return NOERROR;
}

STATUS LNPUBLIC ZNSCreateIDFile(const char* IDFile, const char* UserName, const char* Password) {
    ZNS_API_LOCK;
    if (!IDFile || !UserName)
        return ERR_BAD_ARGUMENT;
    return zns::WriteIdFile(IDFile, UserName, Password ? Password : "");
}
