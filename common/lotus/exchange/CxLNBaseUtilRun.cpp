// The helper run of the data objects: the parameter file a helper host reads,
// the run itself, what its error file reports, and the load, submit and undo
// cycles built on it. The helper reads the records from Lotus Notes or writes
// them back through files in the temporary folder.
#include "CxLNBaseUtil.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/lotus/exchange/CxLNDataReader.h"
#include "common/lotus/exchange/CxLNErrorFile.h"
#include "common/lotus/exchange/CxLNHelperKind.h"
#include "common/lotus/exchange/CxLNLoadFile.h"
#include "common/lotus/exchange/CxLNParamParser.h"
#include "common/lotus/exchange/CxLNSavedFile.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"
#include "platform/SystemError.h"

namespace {

// The kinds' default parameter file names.
const char* const kParamFiles[] = {"LNAddrParam.dat", "LNDateParam.dat", "LNTaskParam.dat",
                                   "LNNoteParam.dat"};

// The exchange file of an undo: the request, then its outcome.
const char kUndoRequest[] = "LNUndo.jsonl";

void LogLine(int level, const char* line) {
    if (line)
        CX_LOG(level, "%s", line);
}

// Why a helper did not start: a missing helper and one that may not run are
// told apart, and neither is looked for anywhere but the program's folder.
std::string StartFailure(const CxLNDataReader& reader) {
    const std::string& program = reader.GetProgramPath();
    const std::string folder = program.substr(0, program.rfind('/') + 1);
    switch (reader.GetStartError()) {
    case EINVAL:
        return "a helper program is started from the program's folder only, and that is not known";
    case ENOENT:
        return "it is not in the program's folder " + folder;
    case EACCES:
        return program + " is not an executable program";
    case 0:
        return platform::SystemErrorText(ENOMEM);
    default:
        return platform::SystemErrorText(reader.GetStartError());
    }
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
    case CxLNDataReader::NotStarted:
        return "Could not start " + helper + ": " + StartFailure(reader) + ".";
    case CxLNDataReader::Stopped:
        if (reader.GetExitCode() < 0)
            return "The run was stopped before " + helper + " started.";
        return "The run was stopped: " + helper + " " + ended + ".";
    case CxLNDataReader::TimedOut: {
        char seconds[32];
        CxStrFormat(seconds, sizeof seconds, "%g", reader.GetTimeout() / 1000.0);
        return "The run gave up waiting: " + helper + " did not end within " + seconds +
               " seconds and was ended.";
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

void LNRemoveParamFiles(const char* folder) {
    if (!folder || !*folder)
        return;
    for (const char* name : kParamFiles)
        std::remove((std::string(folder) + name).c_str());
}

// Writer side of the parameter file: what a helper host learns about its run.
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

bool CxLNBaseUtil::RunHelper_(const tagLNHelperKind& kind, const LNStep& writeParams) {
    _ResetErrorInfo();
    // The helper runs in another folder: a relative one would name another place.
    if (m_szTempFilePath[0] != '/' || (*m_szDebugPath && *m_szDebugPath != '/')) {
        CxStrFormat(m_szLastErrorMsg, sizeof m_szLastErrorMsg,
                    "The folder %s is not named by its whole path; no helper program was started.",
                    m_szTempFilePath[0] != '/' ? m_szTempFilePath : m_szDebugPath);
        CX_LOG_ERROR("%s", m_szLastErrorMsg);
        m_bHasError = true;
        return false;
    }
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
    // No helper will read the password now.
    if (outcome == CxLNDataReader::NotStarted)
        RemoveTempFile_(m_szParamFile);
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

// Wizard side of the error file: what the last helper run reported.
void CxLNBaseUtil::_ResetErrorInfo() {
    m_bHasError = false;
    m_szLastErrorMsg[0] = '\0';
    m_szNotice[0] = '\0';
    m_nChangedSinceLoad = 0;
}

bool CxLNBaseUtil::_UpdateErrorInfo() {
    _ResetErrorInfo();
    CxLNErrorFile file(m_szTempFilePath, m_szErrorFile);
    const int count = file.ReadCount();
    if (count <= 0) {
        // Looked for only when there are no errors to pass on the way to it.
        file.ReadNotice(m_szNotice, sizeof m_szNotice);
        return file.HasCount();
    }
    // The object keeps the last error the helper reported.
    file.ReadError(count, m_szLastErrorMsg, sizeof m_szLastErrorMsg);
    m_bHasError = true;
    return true;
}

bool CxLNBaseUtil::LoadCycle_(const tagLNHelperKind& kind, const LNStep& invoke,
                              const LNStep& load) {
    ClearAll();
    LogLine(2, kind.szLoadStart);
    // A helper that writes no file must not leave the previous run's records.
    RemoveExchangeFiles_();
    m_szLoadID[0] = '\0';
    m_nMode = 1;
    const bool loaded = invoke() && load();
    if (loaded)
        KeepLoadID_();
    LogLine(loaded ? 2 : 0, loaded ? kind.szLoadDone : kind.szLoadFailed);
    return loaded;
}

void CxLNBaseUtil::RemoveExchangeFiles_() const {
    RemoveTempFile_(m_szFileName);
    RemoveTempFile_(LNLoadFileName(m_szFileName).c_str());
    RemoveTempFile_(LNSavedFileName(m_szFileName).c_str());
}

// The load the records came from, which their write-back must still be.
void CxLNBaseUtil::KeepLoadID_() {
    char path[512];
    TempFilePath_(LNLoadFileName(m_szFileName).c_str(), path, sizeof path);
    tagLNLoadHead head;
    if (LNReadLoadHead(path, &head, nullptr) == LNLoadFileRead::Read)
        CxStrCopy(m_szLoadID, head.sLoadID.c_str());
}

// What a write-back's helper checks the exchange file against.
bool CxLNBaseUtil::KeepSavedRecords_() {
    char exchange[512], path[512];
    TempFilePath_(m_szFileName, exchange, sizeof exchange);
    TempFilePath_(LNSavedFileName(m_szFileName).c_str(), path, sizeof path);
    tagLNSaved saved;
    if (LNMeasureExchangeFile(exchange, &saved)) {
        saved.sLoadID = m_szLoadID;
        if (LNWriteSavedFile(path, saved))
            return true;
    }
    CxStrFormat(m_szLastErrorMsg, sizeof m_szLastErrorMsg, "Can not write %s: %s.", path,
                std::strerror(errno ? errno : EIO));
    CX_LOG_ERROR("%s", m_szLastErrorMsg);
    return false;
}

bool CxLNBaseUtil::SubmitCycle_(const tagLNHelperKind& kind, const LNStep& save,
                                const LNStep& invoke, const std::function<void()>& settle) {
    if (!m_bDirty)
        return true;
    LogLine(2, kind.szSubmitStart);
    m_szLastErrorMsg[0] = '\0';
    errno = 0;
    const bool saved = save();
    if (!saved) {
        char exchange[512];
        TempFilePath_(m_szFileName, exchange, sizeof exchange);
        CxStrFormat(m_szLastErrorMsg, sizeof m_szLastErrorMsg,
                    "Can not write the records to the exchange file %s: %s.", exchange,
                    std::strerror(errno ? errno : EIO));
    }
    // The helper must not start on a file it could not be told about.
    if (!saved || !KeepSavedRecords_()) {
        CX_LOG_ERROR("Can not save information to temperary file.");
        m_bHasError = true;
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

// The undo of a journaled run through the kind's helper host (mode 3).
bool CxLNBaseUtil::UndoCycle_(const LNStep& invoke, const char* run, bool dryRun,
                              tagLNUndoResult* result) {
    char dataFile[sizeof m_szFileName];
    CxStrCopy(dataFile, m_szFileName);
    CxStrCopy(m_szFileName, kUndoRequest);
    char path[512];
    TempFilePath_(kUndoRequest, path, sizeof path);
    bool done = LNWriteUndoRequest(path, run ? run : "", dryRun);
    if (!done) {
        CxStrFormat(m_szLastErrorMsg, sizeof m_szLastErrorMsg, "Can not write the undo request %s.",
                    path);
        m_bHasError = true;
    } else {
        m_nMode = 3;
        const bool ran = invoke();
        done = LNReadUndoResult(path, result) && ran && !m_bHasError;
    }
    RemoveTempFile_(kUndoRequest);
    CxStrCopy(m_szFileName, dataFile);
    return done;
}

int CxLNBaseUtil::ChangedSinceLoad_() const {
    char path[512];
    TempFilePath_(LNLoadFileName(m_szFileName).c_str(), path, sizeof path);
    tagLNLoadHead head;
    return LNReadLoadHead(path, &head, nullptr) == LNLoadFileRead::Read ? head.nChanged : 0;
}

void CxLNBaseUtil::ReportDamage_(const char* why) {
    CxStrFormat(m_szLastErrorMsg, sizeof m_szLastErrorMsg,
                "%s; nothing was written back. Load the records again.", why);
    m_bHasError = true;
}

void CxLNBaseUtil::SetHelperName_(const char* name) {
    CxStrCopy(m_szHelperName, name);
}
