// A stand-in Notes program folder with the mail database of "jdoe" (locally
// and on the server "Alpha/Org" of notes.ini), an ID file with a password,
// and helpers that build and dump documents.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "NotesDBFixture.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNTask.h"

// The run mode comes from the parameter file in a helper; tests set it.
class TestDateUtil : public CxLNDateUtil {
public:
    void SetMode(int mode) { m_nMode = mode; }
};
class TestTaskUtil : public CxLNTaskUtil {
public:
    void SetMode(int mode) { m_nMode = mode; }
};

extern const char kMailDB[];   // "mail/jdoe.nsf", relative to the data folder
extern const char kIDFile[];   // "jdoe.id", of "John Doe/Org"
extern const char kPassword[]; // its password
extern const char kIDUser[];   // "John Doe/Org"

class MailDBTest : public NotesDBTest {
protected:
    MailDBTest();

    // A new document with "Form" and whatever `fill` appends; its note ID.
    NOTEID AddNote(const std::function<void(NOTEHANDLE)>& fill, const char* form,
                   const char* db = kMailDB);
    Dump DumpNote(NOTEID id, const char* db = kMailDB);
    std::vector<NOTEID> AllNotes(const char* db = kMailDB);
    // Runs notesdb in the program folder; its exit status.
    int Notesdb(const std::string& arguments);

    static void AppendDate(NOTEHANDLE note, const char* name, int year, int month, int day);
    static void AppendNumber(NOTEHANDLE note, const char* name, NUMBER number);
    // The records a client writes for a paragraph holding `text`.
    static void AppendRichText(NOTEHANDLE note, const char* name, const std::string& text);

    // Mail database, ID file, password and temporary folder of a run.
    void Configure(CxLNBaseUtil* util) const;
    std::string ErrorValue(const char* file, const char* key) const;
};

// Names of the items of a dump in their order.
std::vector<std::string> ItemNames(const Dump& dump);
int CountItems(const Dump& dump, const char* name);
// The rich-text records of one paragraph holding `text` (after the type word).
std::string RichTextOf(const std::string& text);
