// Reading and writing whole documents of a database through the C API.
#pragma once
#include <string>
#include <vector>

#include "DbNote.h"
#include "global.h"
#include "kfm.h"
#include "nsfdb.h"
#include "nsfnote.h"
#include "nsfsearc.h"
#include "osmem.h"
#include "osmisc.h"
#include "zns.h"

// "text (error code=N)" of a status, for messages.
std::string StatusText(STATUS status);

class NotesDb {
public:
    NotesDb() = default;
    ~NotesDb();
    NotesDb(const NotesDb&) = delete;
    NotesDb& operator=(const NotesDb&) = delete;

    STATUS Open(const std::string& path);
    void Close();

    // The note IDs of every document, ascending.
    STATUS ListDocuments(std::vector<NOTEID>* ids);
    STATUS ReadNote(NOTEID id, DbNote* note);
    // Creates a document with the note's items in their order.
    STATUS CreateNote(const DbNote& note);
    STATUS DeleteNote(NOTEID id);
    // Writes between these are one transaction: all or none are stored.
    STATUS BeginBatch();
    STATUS EndBatch(bool commit);

private:
    DBHANDLE m_hDb = NULLHANDLE;
};
