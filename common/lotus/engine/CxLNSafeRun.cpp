#include "CxLNSafeRun.h"

#include <cstdio>
#include <ctime>
#include <sys/random.h>
#include <unistd.h>

#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNLoadState.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNSavedFile.h"
#include "common/misc/CxDebugUtil.h"

namespace {

const char kAgain[] = "; nothing was written back. Load the records again.";

std::string TempPath(const CxLNBaseUtil* util, const std::string& name) {
    return std::string(util->GetTempFilePath()) + name;
}

std::string LoadFilePath(const CxLNBaseUtil* util) {
    return TempPath(util, LNLoadFileName(util->GetFileName()));
}

bool Refuse(CxLNBaseUtil* util, const std::string& text) {
    LNReportFailure(util, (text + kAgain).c_str());
    return false;
}

bool ReportLoadFile(CxLNBaseUtil* util, const std::string& why, const std::string& path) {
    return Refuse(util, "The load information " + path + " " + why);
}

// 128 random bits as hexadecimal; each load has its own.
std::string NewLoadID() {
    unsigned char bytes[16] = {};
    if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
        const long long now = static_cast<long long>(time(nullptr));
        std::snprintf(reinterpret_cast<char*>(bytes), sizeof bytes, "%llx%x", now,
                      static_cast<unsigned>(getpid()));
    }
    static const char kHex[] = "0123456789abcdef";
    std::string id;
    for (unsigned char b : bytes) {
        id += kHex[b >> 4];
        id += kHex[b & 15];
    }
    return id;
}

std::string Measure(const tagLNSaved& saved) {
    return std::to_string(saved.nRecords) + " records, " + std::to_string(saved.nBytes) + " bytes";
}

} // namespace

void LNForgetLoadState() {
    LNLoadState() = tagLNLoadState();
}

bool LNKeepLoadState(CxLNBaseUtil* util, const tagLNRunTarget& target) {
    const std::string path = LoadFilePath(util);
    LNLoadState().sLoadID = NewLoadID();
    if (LNWriteLoadFile(path, target.sKind, target.sDatabase, LNLoadState()))
        return true;
    LNReportFailure(util, ("Can not write the load information " + path + ".").c_str());
    return false;
}

bool LNTakeLoadState(CxLNBaseUtil* util, const tagLNRunTarget& target) {
    LNForgetLoadState();
    const std::string path = LoadFilePath(util);
    std::string why;
    switch (LNReadLoadFile(path, target.sKind, target.sDatabase, &LNLoadState(), &why)) {
    case LNLoadFileRead::Read:
        return true;
    case LNLoadFileRead::Missing:
        // Without it no change made in Lotus Notes since the load could be told.
        return ReportLoadFile(util, "is missing", path);
    case LNLoadFileRead::Foreign:
        return ReportLoadFile(util, "belongs to another database or record kind", path);
    case LNLoadFileRead::Damaged:
        break;
    }
    return ReportLoadFile(util, "is damaged: " + why, path);
}

bool LNCheckSavedRecords(CxLNBaseUtil* util) {
    const std::string exchange = TempPath(util, util->GetFileName());
    const std::string path = TempPath(util, LNSavedFileName(util->GetFileName()));
    tagLNSaved saved, now;
    std::string why;
    if (!LNReadSavedFile(path, &saved, &why))
        return Refuse(util, "What was written into the exchange file " + exchange +
                                " for the write-back is not known: " + path + " " +
                                (why == "it is missing" ? why : "is damaged: " + why));
    if (saved.sLoadID != LNLoadState().sLoadID)
        return ReportLoadFile(util, "belongs to another load than the records to write back "
                                    "(records were loaded again since)",
                              LoadFilePath(util));
    if (!LNMeasureExchangeFile(exchange, &now))
        return Refuse(util, "The exchange file " + exchange + " can not be read");
    if (now.nRecords != saved.nRecords || now.nBytes != saved.nBytes)
        return Refuse(util, "The exchange file " + exchange + " does not hold what was written " +
                                "for the write-back (" + Measure(saved) + "; it holds " +
                                Measure(now) + ")");
    return true;
}

void LNSettleLoadState(CxLNBaseUtil* util, const tagLNRunTarget& target) {
    if (LNLoadState().bKnown &&
        !LNWriteLoadFile(LoadFilePath(util), target.sKind, target.sDatabase, LNLoadState()))
        CX_LOG_ERROR("Can not update the load information %s.", LoadFilePath(util).c_str());
}
