// Contacts inside a helper host: the run's parameters.
#include "common/lotus/exchange/CxLNAddr.h"

#include "common/lotus/exchange/CxLNParamParser.h"

bool CxLNAddrUtil::ReadParamFile(const char* path) {
    CxLNParamParser parser;
    if (!LoadParams_(path, &parser))
        return false;
    ReadCommonParams_(&parser);
    GetTextParam(&parser, LN_PARAM_LOCAL_NAME, m_szLocalName, sizeof m_szLocalName);
    ConfigureLog_(false);
    ReadIDFile_(&parser);
    return true;
}
