// Writer side of the parameter file: what a helper host learns about its run.
#include "CxLNBaseUtil.h"

#include "common/lotus/exchange/CxLNParamParser.h"

bool CxLNBaseUtil::WriteParams_(const char* localName, bool withIDFile) {
    CxLNParamParser parser;
    SetTextParam(&parser, LN_PARAM_SERVER_NAME, m_szServerName);
    SetTextParam(&parser, LN_PARAM_USER_NAME, m_szUserName);
    SetTextParam(&parser, LN_PARAM_PASSWORD, m_szPassword);
    SetTextParam(&parser, LN_PARAM_FILE_NAME, m_szFileName);
    SetTextParam(&parser, LN_PARAM_TEMP_PATH, m_szTempFilePath);
    SetNumberParam(&parser, LN_PARAM_MODE, m_nMode);
    SetTextParam(&parser, LN_PARAM_ERROR_FILE, m_szErrorFile);
    SetTextParam(&parser, LN_PARAM_STATUS_FILE, m_szStatusFile);
    if (localName)
        SetTextParam(&parser, LN_PARAM_LOCAL_NAME, localName);
    else
        SetTextParam(&parser, LN_PARAM_MAIL_DB, m_szMailDBName);
    SetTextParam(&parser, LN_PARAM_DEBUG_PATH, m_szDebugPath);
    SetTextParam(&parser, LN_PARAM_DEBUG_FILE, m_szDebugFile);
    SetNumberParam(&parser, LN_PARAM_DEBUG_LEVEL, m_nDebugLevel);
    SetTextParam(&parser, LN_PARAM_DEBUG_ENABLED, m_bDebugEnabled ? "1" : "0");
    if (withIDFile)
        SetTextParam(&parser, LN_PARAM_ID_FILE, m_szIDFile);
    char path[512];
    TempFilePath_(m_szParamFile, path, sizeof path);
    return parser.SaveToFile(path);
}
