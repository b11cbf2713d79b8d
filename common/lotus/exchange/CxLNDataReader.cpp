#include "CxLNDataReader.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <unistd.h>

#include "common/lotus/exchange/CxLNLoadFile.h"
#include "common/lotus/exchange/CxLNSavedFile.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"
#include "platform/CxAutoResetEvent.h"
#include "platform/Interrupt.h"
#include "platform/Process.h"
#include "platform/SystemError.h"

namespace {

// The wait's result code for a wait that failed, as the system reports it.
constexpr int kWaitFailedCode = -1;
// How long a stopped helper may take to end on SIGTERM before SIGKILL.
constexpr long kStopGraceMs = 5000;

// Makes `folder` the process's current directory for the life of the object
// and then the remembered one again. A folder that cannot be entered leaves
// the directory as it was.
class CxCurrentDirectoryScope {
public:
    explicit CxCurrentDirectoryScope(const char* folder) {
        // The whole path: a cut one could not be entered again.
        m_bSaved = getcwd(m_szOriginal, sizeof m_szOriginal) != nullptr;
        if (!m_bSaved)
            m_szOriginal[0] = '\0';
        CX_LOG_INFO("Original current directory: %s", m_szOriginal);
        if (*folder && chdir(folder) != 0)
            CX_LOG_ERROR("Can not set current directory: %s", folder);
        CX_LOG_INFO("Set current directory: %s", folder);
    }
    ~CxCurrentDirectoryScope() {
        if (m_bSaved && chdir(m_szOriginal) != 0)
            CX_LOG_ERROR("Can not set current directory: %s", m_szOriginal);
    }
    CxCurrentDirectoryScope(const CxCurrentDirectoryScope&) = delete;
    CxCurrentDirectoryScope& operator=(const CxCurrentDirectoryScope&) = delete;

private:
    char m_szOriginal[PATH_MAX];
    bool m_bSaved;
};

} // namespace

CxLNDataReader::CxLNDataReader()
    : m_szHelperName(), m_szTempPath(), m_szParamFileName(), m_szDataFileName(),
      m_nTimeout(1800000), m_nExitCode(-1), m_nExitSignal(0), m_nStartError(0) {}

CxLNDataReader::~CxLNDataReader() {
    Stop();
    RemoveFile_(m_szParamFileName);
    RemoveFile_(m_szDataFileName);
    // The companions go with their exchange file.
    if (m_szDataFileName[0]) {
        RemoveFile_(LNLoadFileName(m_szDataFileName).c_str());
        RemoveFile_(LNSavedFileName(m_szDataFileName).c_str());
    }
}

void CxLNDataReader::RemoveFile_(const char* name) const {
    // Without a folder or a name the path would not be one of ours.
    if (!*m_szTempPath || !*name)
        return;
    const std::size_t length = std::strlen(m_szTempPath);
    const char* separator = m_szTempPath[length - 1] == '/' ? "" : "/";
    char path[600];
    CxStrFormat(path, sizeof path, "%s%s%s", m_szTempPath, separator, name);
    std::remove(path);
}

// Null changes nothing; anything else is cut to 259 characters.
void CxLNDataReader::SetHelperName(const char* name) {
    if (name)
        CxStrCopy(m_szHelperName, name);
}

void CxLNDataReader::SetTempPath(const char* folder) {
    if (folder)
        CxStrCopy(m_szTempPath, folder);
}

void CxLNDataReader::SetParamFileName(const char* name) {
    if (name)
        CxStrCopy(m_szParamFileName, name);
}

void CxLNDataReader::SetDataFileName(const char* name) {
    if (name)
        CxStrCopy(m_szDataFileName, name);
}

void CxLNDataReader::Stop() {
    if (m_hProcess)
        m_hProcess->Close();
    m_hProcess.reset();
    m_hStopEvent.reset();
}

CxLNDataReader::Outcome CxLNDataReader::Execute() {
    Stop();
    m_nExitCode = -1;
    m_nExitSignal = 0;
    m_nStartError = 0;
    return Run_();
}

CxLNDataReader::Outcome CxLNDataReader::Run_() {
    m_hStopEvent.reset(new (std::nothrow) platform::CxAutoResetEvent);
    m_hProcess.reset(new (std::nothrow) platform::CxChildProcess);
    if (!m_hStopEvent || !m_hProcess) {
        Stop();
        return NotStarted;
    }
    // The helper is the one in the program's folder, started by its whole
    // path: nothing of its name is looked for elsewhere, on PATH least of all.
    char programFolder[CX_MAX_PATH] = "";
    GetModulePath(nullptr, programFolder);
    m_sProgram = *programFolder && !std::strchr(m_szHelperName, '/')
                     ? std::string(programFolder) + m_szHelperName
                     : std::string();
    CxCurrentDirectoryScope scope(programFolder);

    char notesPath[256] = "";
    GetLotusNotesPath(notesPath, sizeof notesPath);
    CX_LOG_INFO("Get Lotus Notes Path: %s", notesPath);

    // The path goes to the helper as one argument, byte for byte; the quoted
    // line is only for the log.
    const std::string paramPath = std::string(m_szTempPath) + m_szParamFileName;
    CX_LOG_INFO("Executing command: \"%s\" \"%s\"", m_szHelperName, paramPath.c_str());
    if (platform::InterruptRequested()) {
        CX_LOG_INFO("Force stopping the helper utility program.");
        Stop();
        return Stopped;
    }
    m_hProcess->ShareWithChildren(m_nSharedFd);
    if (!m_hProcess->Start(m_sProgram, {m_szHelperName, paramPath}, notesPath, &m_nStartError)) {
        CX_LOG_ERROR("CreateProcess Error: %s", platform::SystemErrorText(m_nStartError).c_str());
        Stop();
        return NotStarted;
    }
    CX_LOG_INFO("Command executed successfully.");
    const Outcome outcome = Wait_();
    Stop();
    return outcome;
}

void CxLNDataReader::TakeEnd_() {
    m_nExitSignal = m_hProcess->TermSignal();
    m_nExitCode = m_hProcess->ExitCode();
    if (m_nExitSignal)
        CX_LOG_ERROR("Helper utility program was ended by signal %d (%s).", m_nExitSignal,
                     strsignal(m_nExitSignal));
    else if (m_nExitCode != 0)
        CX_LOG_ERROR("Helper utility program exited with code %d.", m_nExitCode);
    else
        CX_LOG_INFO("Helper utility program exited successfully.");
}

CxLNDataReader::Outcome CxLNDataReader::Wait_() {
    using platform::CxChildProcess;
    switch (m_hProcess->Wait(m_nTimeout, m_hStopEvent.get())) {
    case CxChildProcess::WaitResult::Exited:
        TakeEnd_();
        return Exited;
    case CxChildProcess::WaitResult::Stopped:
        // A stopped run is ended here, so that its end is known and no
        // helper writes into the folder after the caller has moved on.
        CX_LOG_INFO("Force stopping the helper utility program.");
        m_hProcess->Terminate(kStopGraceMs);
        TakeEnd_();
        return Stopped;
    case CxChildProcess::WaitResult::TimedOut:
        CX_LOG_INFO("The helper utility program has no response. Got timeout event.");
        // A helper given up on must not go on changing documents, or write
        // into the folder, behind the caller's back.
        CX_LOG_ERROR("Ending the helper utility program that did not respond.");
        m_hProcess->Terminate(kStopGraceMs);
        TakeEnd_();
        return TimedOut;
    case CxChildProcess::WaitResult::Failed:
        break;
    }
    CX_LOG_ERROR("Got unexpected error, return code=%d", kWaitFailedCode);
    return WaitFailed;
}
