// Temporary folders and environment for tests: every case gets its own folder
// and the platform's folder overrides point into it.
#pragma once
#include <string>

namespace testsupport {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; } // no trailing '/'
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    std::string Folder() const { return m_path + "/"; } // with trailing '/'

private:
    std::string m_path;
};

// Points ZEMBRIK_APPDATA, ZEMBRIK_LOCAL_APPDATA, ZEMBRIK_REGISTRY and
// ZEMBRIK_SHELL_OPEN into its own temporary folder; restores them on exit.
class IsolatedEnv {
public:
    IsolatedEnv();
    ~IsolatedEnv();
    const TempDir& Dir() const { return m_dir; }
    std::string AppData() const { return m_dir.File("appdata"); }
    std::string LocalAppData() const { return m_dir.File("localappdata"); }
    std::string Registry() const { return m_dir.File("registry.ini"); }
    std::string ShellLog() const { return m_dir.File("shell-open.log"); }

private:
    TempDir m_dir;
    struct Saved;
    Saved* m_saved;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

} // namespace testsupport
