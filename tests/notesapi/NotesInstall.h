// A stand-in Notes program folder in a temporary folder: notes.ini with
// Directory=Data, a [Servers] section, and the folders. While it lives the
// current directory is the program folder, as for a Notes client.
#pragma once
#include "NotesFolder.h"
#include "tests/notesapi/NotesApi.h"

#include <string>
#include <vector>

namespace notestest {

class NotesInstall {
public:
    // `extraIni` lines go into the [Notes] section.
    explicit NotesInstall(const std::string& extraIni = std::string());
    ~NotesInstall();

    const std::string& Program() const { return m_folder.Path(); }
    std::string Data(const std::string& name = std::string()) const;
    std::string Server(const std::string& name = std::string()) const; // folder of "Alpha/Org"
    // A new database in the data folder; returns its file path.
    std::string CreateDatabase(const std::string& name) const;

private:
    testsupport::NotesFolder m_folder;
};

// Compiles `formula` and collects the note IDs NSFSearch delivers.
STATUS SearchIds(DBHANDLE db, const std::string& formula, std::vector<NOTEID>& ids);

// Stores a new note whose items `fill` sets; its note ID, 0 on failure.
template <class Fill> NOTEID StoreNote(DBHANDLE db, Fill fill) {
    NOTEHANDLE note = NULLHANDLE;
    if (NSFNoteCreate(db, &note) != NOERROR)
        return 0;
    fill(note);
    NOTEID before = 0;
    std::vector<NOTEID> ids;
    if (SearchIds(db, "SELECT @All", ids) == NOERROR && !ids.empty())
        before = ids.back();
    STATUS status = NSFNoteUpdate(note, 0);
    NSFNoteClose(note);
    ids.clear();
    if (status != NOERROR || SearchIds(db, "SELECT @All", ids) != NOERROR || ids.empty() ||
        ids.back() <= before)
        return 0;
    return ids.back();
}

// Runs a program with the given arguments in `folder`; its exit status,
// -1 when it did not end normally.
int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& folder);

// A text of a status for messages.
std::string StatusText(STATUS status);

} // namespace notestest
