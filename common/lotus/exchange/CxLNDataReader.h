// Runs one helper host program: starts it hidden in the Lotus Notes program
// folder with the parameter file on its command line and waits for its end.
// One object per record kind and process; the last parameter and exchange data
// files of the kind go with it.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace platform {
class CxAutoResetEvent;
class CxChildProcess;
} // namespace platform

class CxLNDataReader {
public:
    // How a run ended; only Exited means the helper ran to its end, and only
    // an exit code of 0 that it ran without a fault.
    enum Outcome { NotStarted, Exited, Stopped, TimedOut, WaitFailed };

    CxLNDataReader();
    virtual ~CxLNDataReader();
    CxLNDataReader(const CxLNDataReader&) = delete;
    CxLNDataReader& operator=(const CxLNDataReader&) = delete;

    void SetHelperName(const char* name);
    void SetTempPath(const char* folder);
    void SetParamFileName(const char* name);
    void SetDataFileName(const char* name);
    // Longest wait in milliseconds (30 minutes unless changed).
    void SetTimeout(int32_t ms) { m_nTimeout = ms; }

    const char* GetHelperName() const { return m_szHelperName; }
    const char* GetTempPath() const { return m_szTempPath; }
    const char* GetParamFileName() const { return m_szParamFileName; }
    const char* GetDataFileName() const { return m_szDataFileName; }
    int32_t GetTimeout() const { return m_nTimeout; }

    // Of the last run: the helper's exit code (Exited, and Stopped or
    // TimedOut once it was ended), the signal that ended it (0 for none), the
    // errno of a failed start and the program that was to run (its whole
    // path in the program's folder; empty when that is not known).
    int GetExitCode() const { return m_nExitCode; }
    int GetExitSignal() const { return m_nExitSignal; }
    int GetStartError() const { return m_nStartError; }
    const std::string& GetProgramPath() const { return m_sProgram; }
    // The helpers started from now on share `fd` (-1: none): what it holds,
    // the data folder's lock, lasts until they have ended too.
    void ShareWithHelpers(int fd) { m_nSharedFd = fd; }

    void Stop();
    // Blocks the calling thread until the helper ends or the wait does. A
    // helper that outlives the wait is ended before Execute returns.
    Outcome Execute();

private:
    Outcome Run_();
    Outcome Wait_();
    void TakeEnd_();
    void RemoveFile_(const char* name) const;

    char m_szHelperName[260];
    char m_szTempPath[260];
    char m_szParamFileName[260];
    char m_szDataFileName[260];
    int32_t m_nTimeout;
    int m_nExitCode;
    int m_nExitSignal;
    int m_nStartError;
    int m_nSharedFd = -1;
    std::string m_sProgram;
    // A child process carries no separate thread handle here.
    std::unique_ptr<platform::CxChildProcess> m_hProcess;
    std::unique_ptr<platform::CxAutoResetEvent> m_hStopEvent;
};

// Record kinds as bit values: 1 contacts, 2 calendar, 4 tasks, 8 notes.
// The reader of a kind, made on first use; null for any other value.
CxLNDataReader* GetLNDataReader(int kind);
// Destroys the readers of every kind; runs by itself when the process ends.
void ReleaseLNDataReaders();
