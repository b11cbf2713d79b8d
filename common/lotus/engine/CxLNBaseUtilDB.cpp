// Database side of the frame, inside a helper host: the base class has no
// database of its own; the reader side of the parameter file and the mail
// database path of calendar, tasks and notes, given or "mail/<user>.nsf" on
// the server as Notes names it.
#include "common/lotus/exchange/CxLNBaseUtil.h"

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/exchange/CxLNParamParser.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"

bool CxLNBaseUtil::LoadFromDB() {
    return false;
}

bool CxLNBaseUtil::SaveToDB() {
    return false;
}

bool CxLNBaseUtil::LoadParams_(const char* path, CxLNParamParser* parser) {
    return path && *path && parser->LoadFromFile(path);
}

bool CxLNBaseUtil::ReadCommonParams_(CxLNParamParser* parser) {
    GetTextParam(parser, LN_PARAM_SERVER_NAME, m_szServerName, sizeof m_szServerName);
    GetTextParam(parser, LN_PARAM_USER_NAME, m_szUserName, sizeof m_szUserName);
    GetTextParam(parser, LN_PARAM_PASSWORD, m_szPassword, sizeof m_szPassword);
    GetTextParam(parser, LN_PARAM_FILE_NAME, m_szFileName, sizeof m_szFileName);
    GetTextParam(parser, LN_PARAM_TEMP_PATH, m_szTempFilePath, sizeof m_szTempFilePath);
    GetTextParam(parser, LN_PARAM_ERROR_FILE, m_szErrorFile, sizeof m_szErrorFile);
    GetTextParam(parser, LN_PARAM_STATUS_FILE, m_szStatusFile, sizeof m_szStatusFile);
    GetTextParam(parser, LN_PARAM_DEBUG_PATH, m_szDebugPath, sizeof m_szDebugPath);
    GetTextParam(parser, LN_PARAM_DEBUG_FILE, m_szDebugFile, sizeof m_szDebugFile);
    m_nMode = GetNumberParam(parser, LN_PARAM_MODE);
    m_nDebugLevel = GetNumberParam(parser, LN_PARAM_DEBUG_LEVEL);
    m_bDebugEnabled = GetNumberParam(parser, LN_PARAM_DEBUG_ENABLED) != 0;
    // A relative folder would be taken from the Notes program folder, where
    // the helper runs: another folder than the one the front end meant.
    const bool absolute = m_szTempFilePath[0] == '/' && (!*m_szDebugPath || *m_szDebugPath == '/');
    if (!absolute) {
        m_szTempFilePath[0] = '\0';
        m_szDebugPath[0] = '\0';
    }
    return absolute;
}

void CxLNBaseUtil::ConfigureLog_(bool withFileName) {
    CxDebugUtil* log = GetDebugUtil();
    log->SetPath(m_szDebugPath);
    log->SetLevel(m_nDebugLevel < 0 ? 0 : m_nDebugLevel > 3 ? 3 : m_nDebugLevel);
    log->Enable(m_bDebugEnabled);
    if (withFileName)
        log->SetFileName(m_szDebugFile);
}

void CxLNBaseUtil::ReadIDFile_(CxLNParamParser* parser) {
    GetTextParam(parser, LN_PARAM_ID_FILE, m_szIDFile, sizeof m_szIDFile);
    if (*m_szIDFile)
        return;
    char notesPath[CX_MAX_PATH] = "";
    if (GetLotusNotesPath(notesPath, sizeof notesPath))
        CxStrFormat(m_szIDFile, sizeof m_szIDFile, "%sData/user.id", notesPath);
}

bool CxLNBaseUtil::ReadMailParams_(const char* path, bool logConstructFailure) {
    CxLNParamParser parser;
    if (!LoadParams_(path, &parser))
        return false;
    if (!ReadCommonParams_(&parser))
        return false;
    GetTextParam(&parser, LN_PARAM_MAIL_DB, m_szMailDBName, sizeof m_szMailDBName);
    ConfigureLog_(false);
    if (!ResolveMailDBName_(true, logConstructFailure))
        return false;
    ReadIDFile_(&parser);
    return true;
}

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
