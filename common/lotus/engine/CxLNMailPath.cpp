// The mail database path of calendar, tasks and notes: given, or "mail/<user>.nsf"
// on the server as Notes names it.
#include "common/lotus/exchange/CxLNBaseUtil.h"

#include "common/lotus/binding/CxLNApi.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

bool CxLNBaseUtil::ResolveMailDBName_(bool logPath, bool logConstructFailure) {
    if (*m_szMailDBName) {
        if (logPath)
            CX_LOG_INFO("Input Mail DB Name = %s", m_szMailDBName);
        return true;
    }
    if (!*m_szUserName)
        return false;
    ConstructMailDBName_(logConstructFailure);
    if (logPath)
        CX_LOG_INFO("Constructed Mail DB Name: %s", m_szMailDBName);
    return true;
}

void CxLNBaseUtil::ConstructMailDBName_(bool logConstructFailure) {
    char fileName[sizeof m_szMailDBName];
    CxStrFormat(fileName, sizeof fileName, "mail/%s.nsf", m_szUserName);
    char path[MAXPATH] = "";
    bool constructed = false;
    if (CxLNApi::Start()) {
        STATUS status = LNApi().OSPathNetConstruct(nullptr, m_szServerName, fileName, path);
        constructed = status == NOERROR;
        if (!constructed && logConstructFailure)
            CX_LOG_ERROR("Failed to call OSPathNetConstruct, error code=%d", status);
        CxLNApi::Stop();
    } else {
        CX_LOG_ERROR("Failed to initialize Notes API.");
    }
    if (constructed)
        CxStrCopyN(m_szMailDBName, sizeof m_szMailDBName, path, sizeof path);
    else
        CxStrFormat(m_szMailDBName, sizeof m_szMailDBName, "%s!!%s", m_szServerName, fileName);
}
