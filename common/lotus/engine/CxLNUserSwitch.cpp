#include "CxLNUserSwitch.h"

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

const std::size_t kUserNameSize = 256;
const WORD kStatusTextSize = 1024;

} // namespace

void LNStatusText(STATUS status, char* text, std::size_t size) {
    if (!text || size == 0)
        return;
    char loaded[kStatusTextSize] = "";
    const WORD length = LNApi().OSLoadString(NULLHANDLE, ERR(status), loaded, sizeof loaded);
    CxStrCopyN(text, size, loaded, length < sizeof loaded ? length : sizeof loaded - 1);
}

bool LNSwitchToUserID(const char* idFile, const char* password, char* userName, STATUS* failure) {
    char file[MAXPATH] = "", secret[256] = "", name[kUserNameSize] = "";
    CxStrCopy(file, idFile ? idFile : "");
    CxStrCopy(secret, password ? password : "");
    CX_LOG_INFO("Switch To User ID:%s", file);
    STATUS status = LNApi().SECKFMSwitchToIDFile(file, secret, name, sizeof name, 0, nullptr);
    // The copy of the password lives no longer than the call.
    volatile char* wipe = secret;
    for (std::size_t i = 0; i < sizeof secret; ++i)
        wipe[i] = '\0';
    if (status != NOERROR) {
        char text[kStatusTextSize];
        LNStatusText(status, text, sizeof text);
        CX_LOG_ERROR("Can not switch to user ID file: %s, error code=%d; message=%s", file, status,
                     text);
        if (failure)
            *failure = status;
        return false;
    }
    if (userName)
        CxStrCopy(userName, kUserNameSize, name);
    return true;
}

bool LNRunAsUser(CxLNBaseUtil* util) {
    char user[kUserNameSize] = "";
    STATUS status = NOERROR;
    if (LNSwitchToUserID(util->GetIDFile(), util->GetPassword(), user, &status)) {
        util->SetUserName(user);
        return true;
    }
    char text[kStatusTextSize];
    LNStatusText(status, text, sizeof text);
    char message[2048];
    if (*util->GetPassword()) {
        CxStrFormat(message, sizeof message,
                    "Can not switch to user ID file: %s, error code=%d; message=%s",
                    util->GetIDFile(), status, text);
        util->ReportError(message);
        return false;
    }
    char current[MAXUSERNAME] = "";
    if (LNApi().SECKFMGetUserName)
        LNApi().SECKFMGetUserName(current);
    CxStrFormat(message, sizeof message,
                "The ID file %s was not used (%s); Lotus Notes was used as its current user %s.",
                *util->GetIDFile() ? util->GetIDFile() : "(none)", text,
                *current ? current : "(none)");
    CX_LOG_INFO("%s", message);
    util->ReportNotice(message);
    return true;
}
