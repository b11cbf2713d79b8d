// The diagnostic log "appdebug.log": one line per event, opened, appended and
// closed per line so that processes sharing the file interleave whole lines.
#pragma once
#include <mutex>

class CxDebugUtil {
public:
    CxDebugUtil();
    virtual ~CxDebugUtil();

    // Level 0 is an error and always written; 1..3 only when enabled and
    // not above the level. `source` is the caller's file; its folders are
    // dropped. Text arguments are written escaped (CxLogText.h).
    void Write(int level, const char* source, int line, const char* format, ...)
        __attribute__((format(printf, 5, 6)));

    void SetPath(const char* folder);
    void SetFileName(const char* name);
    void SetLevel(int level);
    void Enable(bool on);

    const char* GetPath() const { return m_szLogPath; }
    const char* GetFileName() const { return m_szLogFile; }
    int GetLevel() const { return m_nLevel; }
    bool IsEnabled() const { return m_bEnabled; }

private:
    char m_szLogFile[260];
    char m_szLogPath[260];
    int m_nLevel;
    bool m_bEnabled;
    std::mutex m_lock; // kept for the layout; each line is one append
};

// The writer of this process.
CxDebugUtil* GetDebugUtil();

#define CX_LOG(level, ...) GetDebugUtil()->Write((level), __FILE__, __LINE__, __VA_ARGS__)
#define CX_LOG_ERROR(...) CX_LOG(0, __VA_ARGS__)
#define CX_LOG_INFO(...) CX_LOG(2, __VA_ARGS__)
