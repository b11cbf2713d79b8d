// Tasks inside a helper host: the run's parameters.
#include "CxLNTask.h"

#include "common/lotus/CxLNParamParser.h"

bool CxLNTaskUtil::ReadParamFile(const char* path) {
    CxLNParamParser parser;
    if (!LoadParams_(path, &parser))
        return false;
    ReadCommonParams_(&parser);
    GetTextParam(&parser, LN_PARAM_MAIL_DB, m_szMailDBName, sizeof m_szMailDBName);
    ConfigureLog_(false);
    if (!ResolveMailDBName_(true, false))
        return false;
    ReadIDFile_(&parser);
    return true;
}
