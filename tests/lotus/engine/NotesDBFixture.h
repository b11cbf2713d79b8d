// A stand-in Notes program folder for the engine, and helpers that build and
// dump documents of its databases through the binding (the API is started
// only around each helper, never while the engine runs).
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CivilTime.h"
#include "NotesFolder.h"
#include "TestSupport.h"
#include "tests/notesapi/NotesApi.h"
#include "tests/lotus/LogCapture.h"

struct DumpedItem {
    std::string name;
    WORD flags;
    WORD type;
    std::string value; // bytes after the type word
    bool operator==(const DumpedItem& o) const {
        return name == o.name && flags == o.flags && type == o.type && value == o.value;
    }
};
using Dump = std::vector<DumpedItem>;

class NotesDBTest : public ::testing::Test {
protected:
    // `ini` is the folder's notes.ini.
    explicit NotesDBTest(const std::string& ini);
    ~NotesDBTest() override;

    // A new document of `db` with "Form" (unless empty) and whatever `fill`
    // appends; its note ID.
    NOTEID AddDocument(const char* db, const char* form,
                       const std::function<void(NOTEHANDLE)>& fill);
    Dump DumpDocument(const char* db, NOTEID id);
    std::vector<NOTEID> Documents(const char* db);
    // Runs `body` with the API started; false when it could not start.
    bool WithApi(const std::function<void()>& body);

    // What a front end records when it has written the exchange file
    // `dataFile` of `folder` for a write-back of the load found there.
    static void KeepSaved(const std::string& folder, const char* dataFile);

    // Items as a client stores them: flags 0, so a rewrite by the engine shows.
    static void AppendText(NOTEHANDLE note, const char* name, const std::string& text);
    static void AppendTime(NOTEHANDLE note, const char* name, double date);

    LogCapture m_log;
    testsupport::NotesFolder m_folder;
    testsupport::TempDir m_temp;
};

using testsupport::VariantOf;
const DumpedItem* FindItem(const Dump& dump, const std::string& name);
// Items whose name, flags, type or value differ between the dumps, sorted.
std::vector<std::string> ChangedItems(const Dump& before, const Dump& after);
std::string TextOf(const Dump& dump, const char* name);
