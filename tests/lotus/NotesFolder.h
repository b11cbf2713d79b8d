// A Notes program folder for one test, made the current directory: the
// binding loads "./libnotes.so" from it.
#pragma once
#include <string>
#include <unistd.h>

#include "TestSupport.h"

class NotesFolder {
public:
    // `library` is linked as libnotes.so when given; a notes.ini with a
    // Data folder is written when `withIni`.
    explicit NotesFolder(const std::string& library, bool withIni = true) {
        char cwd[4096];
        m_oldDir = getcwd(cwd, sizeof cwd) ? cwd : ".";
        if (!library.empty() && symlink(library.c_str(), m_dir.File("libnotes.so").c_str()) != 0)
            m_ok = false;
        if (withIni)
            testsupport::WriteFile(m_dir.File("notes.ini"), "[Notes]\r\nDirectory=Data\r\n");
        m_ok = m_ok && chdir(m_dir.Path().c_str()) == 0;
    }
    ~NotesFolder() {
        if (chdir(m_oldDir.c_str()) != 0)
            m_ok = false;
    }
    bool Ok() const { return m_ok; }
    const testsupport::TempDir& Dir() const { return m_dir; }

private:
    testsupport::TempDir m_dir;
    std::string m_oldDir;
    bool m_ok = true;
};
