// Builds the little-endian bytes of exchange and parameter files, and points
// the process's log into a test's own folder.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>

#include "TestSupport.h"
#include "common/misc/CxDebugUtil.h"

namespace lotustest {

inline std::string Int(int32_t n) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((static_cast<uint32_t>(n) >> (8 * i)) & 0xFF);
    return bytes;
}

inline std::string Date(double d) {
    std::string bytes(8, '\0');
    std::memcpy(&bytes[0], &d, 8);
    return bytes;
}

inline std::string Text(const std::string& text) {
    return Int(static_cast<int32_t>(text.size())) + text;
}

inline std::string Repeat(const std::string& bytes, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += bytes;
    return out;
}

// The log of this process goes to `dir` for the lifetime of the object.
class LogInto {
public:
    explicit LogInto(const testsupport::TempDir& dir) : m_path(dir.File("appdebug.log")) {
        CxDebugUtil* log = GetDebugUtil();
        m_oldPath = log->GetPath();
        m_oldLevel = log->GetLevel();
        m_oldEnabled = log->IsEnabled();
        m_oldFile = log->GetFileName();
        log->SetFileName("appdebug.log");
        log->SetPath(dir.Folder().c_str());
        log->SetLevel(3);
        log->Enable(true);
    }
    ~LogInto() {
        CxDebugUtil* log = GetDebugUtil();
        log->SetPath(m_oldPath.c_str());
        log->SetLevel(m_oldLevel);
        log->Enable(m_oldEnabled);
        log->SetFileName(m_oldFile.c_str());
    }
    std::string Text() const {
        return testsupport::FileExists(m_path) ? testsupport::ReadFile(m_path) : std::string();
    }

private:
    std::string m_path;
    std::string m_oldPath;
    std::string m_oldFile;
    int m_oldLevel;
    bool m_oldEnabled;
};

} // namespace lotustest
