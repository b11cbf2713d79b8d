#include "CxLNSafeRun.h"

#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNLoadState.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/misc/CxDebugUtil.h"

namespace {

std::string LoadFilePath(const CxLNBaseUtil* util) {
    return std::string(util->GetTempFilePath()) + LNLoadFileName(util->GetFileName());
}

void ReportLoadFile(CxLNBaseUtil* util, const char* why, const std::string& path) {
    const std::string text = "The load information " + path + " " + why +
                             "; nothing was written back. Load the records again.";
    LNReportFailure(util, text.c_str());
}

} // namespace

void LNForgetLoadState() {
    LNLoadState() = tagLNLoadState();
}

bool LNKeepLoadState(CxLNBaseUtil* util, const tagLNRunTarget& target) {
    const std::string path = LoadFilePath(util);
    if (LNWriteLoadFile(path, target.sKind, target.sDatabase, LNLoadState()))
        return true;
    LNReportFailure(util, ("Can not write the load information " + path + ".").c_str());
    return false;
}

bool LNTakeLoadState(CxLNBaseUtil* util, const tagLNRunTarget& target) {
    LNForgetLoadState();
    const std::string path = LoadFilePath(util);
    switch (LNReadLoadFile(path, target.sKind, target.sDatabase, &LNLoadState())) {
    case LNLoadFileRead::Read:
        return true;
    case LNLoadFileRead::Missing:
        CX_LOG_INFO("No load information %s: documents changed in Lotus Notes since the records "
                    "were read are not looked for.",
                    path.c_str());
        return true;
    case LNLoadFileRead::Foreign:
        ReportLoadFile(util, "belongs to another database or record kind", path);
        return false;
    case LNLoadFileRead::Damaged:
        break;
    }
    ReportLoadFile(util, "is damaged", path);
    return false;
}

void LNSettleLoadState(CxLNBaseUtil* util, const tagLNRunTarget& target) {
    if (LNLoadState().bKnown &&
        !LNWriteLoadFile(LoadFilePath(util), target.sKind, target.sDatabase, LNLoadState()))
        CX_LOG_ERROR("Can not update the load information %s.", LoadFilePath(util).c_str());
}
