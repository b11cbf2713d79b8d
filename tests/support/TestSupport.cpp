#include "TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace testsupport {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "zembrik-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

static const char* const kVars[] = {"ZEMBRIK_APPDATA", "ZEMBRIK_LOCAL_APPDATA",
                                    "ZEMBRIK_REGISTRY", "ZEMBRIK_SHELL_OPEN"};

struct IsolatedEnv::Saved {
    std::map<std::string, std::string> values;
    std::map<std::string, bool> present;
};

IsolatedEnv::IsolatedEnv() : m_saved(new Saved) {
    for (const char* name : kVars) {
        const char* v = std::getenv(name);
        m_saved->present[name] = v != nullptr;
        if (v)
            m_saved->values[name] = v;
    }
    std::filesystem::create_directories(AppData());
    std::filesystem::create_directories(LocalAppData());
    // The recorder appends each target on a line of its own.
    std::string recorder = m_dir.File("shell-open.sh");
    WriteFile(recorder, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + ShellLog() + "'\n");
    chmod(recorder.c_str(), 0755);
    setenv("ZEMBRIK_APPDATA", AppData().c_str(), 1);
    setenv("ZEMBRIK_LOCAL_APPDATA", LocalAppData().c_str(), 1);
    setenv("ZEMBRIK_REGISTRY", Registry().c_str(), 1);
    setenv("ZEMBRIK_SHELL_OPEN", recorder.c_str(), 1);
}

IsolatedEnv::~IsolatedEnv() {
    for (const char* name : kVars) {
        if (m_saved->present[name])
            setenv(name, m_saved->values[name].c_str(), 1);
        else
            unsetenv(name);
    }
    delete m_saved;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

} // namespace testsupport
