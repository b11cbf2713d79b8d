// Points the process's diagnostic log into a temporary folder for one test.
#pragma once
#include <string>

#include "TestSupport.h"
#include "common/misc/CxDebugUtil.h"

class LogCapture {
public:
    LogCapture() {
        m_oldPath = GetDebugUtil()->GetPath();
        GetDebugUtil()->SetPath(m_dir.Folder().c_str());
    }
    ~LogCapture() { GetDebugUtil()->SetPath(m_oldPath.c_str()); }
    std::string Text() const { return testsupport::ReadFile(m_dir.File("appdebug.log")); }

private:
    testsupport::TempDir m_dir;
    std::string m_oldPath;
};
