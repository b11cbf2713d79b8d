// Calendar inside a helper host: the run's parameters.
#include "CxLNDate.h"

#include "common/lotus/CxLNParamParser.h"

bool CxLNDateUtil::ReadParamFile(const char* path) {
    CxLNParamParser parser;
    if (!LoadParams_(path, &parser))
        return false;
    ReadCommonParams_(&parser);
    GetTextParam(&parser, LN_PARAM_MAIL_DB, m_szMailDBName, sizeof m_szMailDBName);
    ConfigureLog_(false);
    if (!ResolveMailDBName_(true, true))
        return false;
    ReadIDFile_(&parser);
    return true;
}
