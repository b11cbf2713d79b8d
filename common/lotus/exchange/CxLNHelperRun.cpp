// The load/submit cycle of the data objects: a helper host of the kind reads
// the records from Lotus Notes or writes them back, through files in the
// temporary folder.
#include "CxLNBaseUtil.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "common/lotus/exchange/CxLNDataReader.h"
#include "common/lotus/exchange/CxLNHelperKind.h"
#include "common/lotus/exchange/CxLNLoadFile.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"
#include "platform/SystemError.h"

namespace {

void LogLine(int level, const char* line) {
    if (line)
        CX_LOG(level, "%s", line);
}

// How the helper ended, as a sentence, when that was not the end of a run
// without faults.
std::string HelperEnd(const CxLNDataReader& reader, CxLNDataReader::Outcome outcome) {
    const std::string helper = std::string("the helper program ") + reader.GetHelperName();
    const int signal = reader.GetExitSignal();
    const std::string ended =
        signal ? "was ended by signal " + std::to_string(signal) + " (" + strsignal(signal) + ")"
               : "exited with code " + std::to_string(reader.GetExitCode());
    switch (outcome) {
    case CxLNDataReader::NotStarted: {
        const int error = reader.GetStartError() ? reader.GetStartError() : ENOMEM;
        return "Could not start " + helper + ": " + platform::SystemErrorText(error) + ".";
    }
    case CxLNDataReader::Stopped:
        if (reader.GetExitCode() < 0)
            return "The run was stopped before " + helper + " started.";
        return "The run was stopped: " + helper + " " + ended + ".";
    case CxLNDataReader::TimedOut: {
        char seconds[32];
        CxStrFormat(seconds, sizeof seconds, "%g", reader.GetTimeout() / 1000.0);
        return "The run gave up waiting: " + helper + " did not end within " + seconds +
               " seconds.";
    }
    case CxLNDataReader::WaitFailed:
        return "The run lost " + helper + " while waiting for it.";
    case CxLNDataReader::Exited:
        break;
    }
    if (signal || reader.GetExitCode() != 0)
        return "The run failed: " + helper + " " + ended + ".";
    return "The run failed: " + helper + " ended without an error report.";
}

} // namespace

bool CxLNBaseUtil::LoadCycle_(const tagLNHelperKind& kind, const LNStep& invoke,
                              const LNStep& load) {
    ClearAll();
    LogLine(2, kind.szLoadStart);
    // A helper that writes no file must not leave the previous run's records.
    RemoveTempFile_(m_szFileName);
    RemoveTempFile_(LNLoadFileName(m_szFileName).c_str());
    m_nMode = 1;
    const bool loaded = invoke() && load();
    LogLine(loaded ? 2 : 0, loaded ? kind.szLoadDone : kind.szLoadFailed);
    return loaded;
}

bool CxLNBaseUtil::SubmitCycle_(const tagLNHelperKind& kind, const LNStep& save,
                                const LNStep& invoke, const std::function<void()>& settle) {
    if (!m_bDirty)
        return true;
    LogLine(2, kind.szSubmitStart);
    if (!save()) {
        CX_LOG_ERROR("Can not save information to temperary file.");
        return false;
    }
    m_nMode = 2;
    // The changes count as submitted only when the helper ran to its end
    // without reporting an error.
    const bool ran = invoke();
    m_nChangedSinceLoad = ChangedSinceLoad_();
    if (!ran || m_bHasError)
        return false;
    settle();
    m_bDirty = false;
    return true;
}

bool CxLNBaseUtil::RunHelper_(const tagLNHelperKind& kind, const LNStep& writeParams) {
    _ResetErrorInfo();
    // What an earlier run left must not pass for this run's report, and a
    // parameter file left by a run that was cut short holds a password.
    RemoveTempFile_(m_szStatusFile);
    RemoveTempFile_(m_szErrorFile);
    RemoveTempFile_(m_szParamFile);
    if (!writeParams()) {
        RemoveTempFile_(m_szParamFile);
        CX_LOG_ERROR("Can not write the parameter file: %s%s", m_szTempFilePath, m_szParamFile);
        CxStrFormat(m_szLastErrorMsg, sizeof m_szLastErrorMsg,
                    "Can not write the parameter file: %s%s", m_szTempFilePath, m_szParamFile);
        m_bHasError = true;
        return false;
    }
    CxLNDataReader* reader = GetLNDataReader(kind.nKind);
    if (!reader)
        return false;
    reader->SetHelperName(*m_szHelperName ? m_szHelperName : kind.szHelperName);
    reader->SetTempPath(m_szTempFilePath);
    reader->SetParamFileName(m_szParamFile);
    reader->SetDataFileName(m_szFileName);
    const CxLNDataReader::Outcome outcome = reader->Execute();
    const bool reported = _UpdateErrorInfo();
    if (outcome == CxLNDataReader::Exited && reader->GetExitCode() == 0 && reported)
        return true;
    // A helper's own failure code comes with its errors; any other end is told.
    const bool ownFailure = outcome == CxLNDataReader::Exited && reader->GetExitSignal() == 0 &&
                            reader->GetExitCode() == 1 && m_bHasError;
    if (!ownFailure) {
        const std::string end = HelperEnd(*reader, outcome);
        const std::string text =
            m_bHasError ? std::string(m_szLastErrorMsg) + " (" + end + ")" : end;
        CxStrCopy(m_szLastErrorMsg, text.c_str());
        m_bHasError = true;
    }
    return false;
}

int CxLNBaseUtil::ChangedSinceLoad_() const {
    char path[512];
    TempFilePath_(LNLoadFileName(m_szFileName).c_str(), path, sizeof path);
    std::string kind, db;
    tagLNLoadState state;
    return LNParseLoadFile(path, &kind, &db, &state) == LNLoadFileRead::Read ? state.nChanged : 0;
}

void CxLNBaseUtil::SetHelperName_(const char* name) {
    CxStrCopy(m_szHelperName, name);
}
