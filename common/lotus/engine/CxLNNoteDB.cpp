// The notes kind inside a helper host: it reads its parameters and does no
// work in the database.
#include "common/lotus/exchange/CxLNNote.h"

#include "common/lotus/exchange/CxLNParamParser.h"

bool CxLNNoteUtil::ReadParamFile(const char* path) {
    CxLNParamParser parser;
    if (!LoadParams_(path, &parser))
        return false;
    ReadCommonParams_(&parser);
    GetTextParam(&parser, LN_PARAM_MAIL_DB, m_szMailDBName, sizeof m_szMailDBName);
    ConfigureLog_(true);
    return ResolveMailDBName_(false, false);
}

bool CxLNNoteUtil::LoadFromDB() {
    return true;
}

bool CxLNNoteUtil::SaveToDB() {
    return true;
}
