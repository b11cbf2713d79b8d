// The notes kind inside a helper host: it reads its parameters and does no
// work in the database; its records carry no content.
#include "common/lotus/exchange/CxLNNote.h"

#include "common/lotus/exchange/CxLNParamParser.h"

bool CxLNNoteUtil::ReadParamFile(const char* path) {
    CxLNParamParser parser;
    if (!LoadParams_(path, &parser))
        return false;
    if (!ReadCommonParams_(&parser))
        return false;
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

// Common note to Notes note: there is nothing to carry.
bool CxLNNoteUtil::FromCommRec(tagCommNoteRec* common, tagCxLNNoteRec* notes) {
    return common && notes;
}
