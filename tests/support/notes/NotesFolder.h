// A stand-in Notes program folder for one test: libnotes.so linked to the
// library under test, notes.ini, and its Data folder. While it lives it is
// the current directory, as for a Notes client; the binding loads
// "./libnotes.so" from it.
#pragma once
#include <string>

#include "TestSupport.h"

namespace testsupport {

// notes.ini of a folder whose databases lie in Data/.
extern const char kDataIni[];

class NotesFolder {
public:
    // `library` is linked as libnotes.so when given; `ini` is written as
    // notes.ini when not empty.
    explicit NotesFolder(const std::string& library, const std::string& ini = kDataIni);
    ~NotesFolder();
    NotesFolder(const NotesFolder&) = delete;
    NotesFolder& operator=(const NotesFolder&) = delete;

    bool Ok() const { return m_ok; }
    const TempDir& Dir() const { return m_dir; }
    const std::string& Path() const { return m_dir.Path(); }
    std::string File(const std::string& name) const { return m_dir.File(name); }
    void WriteIni(const std::string& text) const;
    // Creates the folder (and those above it) inside; its path.
    std::string MakeFolders(const std::string& name) const;

    // Runs notesdb here with the (shell-quoted) arguments; its exit status,
    // -1 when it did not end normally. Its standard output goes to `out`.
    int Notesdb(const std::string& arguments, std::string* out = nullptr) const;

private:
    TempDir m_dir;
    std::string m_oldDir;
    bool m_ok = true;
};

} // namespace testsupport
