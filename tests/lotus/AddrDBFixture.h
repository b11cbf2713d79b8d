// A stand-in Notes program folder with an empty contacts database, a
// contacts data object pointed at it, and helpers that build and dump
// documents through the binding (the API is started only around each helper,
// never while the engine runs).
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "LogCapture.h"
#include "NotesFolder.h"
#include "TestSupport.h"
#include "common/lotus/CxLNAddr.h"
#include "notesapi/include/notesapi.h"

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

// The run mode comes from the parameter file in a helper; tests set it.
class TestAddrUtil : public CxLNAddrUtil {
public:
    void SetMode(int mode) { m_nMode = mode; }
};

class AddrDBTest : public ::testing::Test {
protected:
    AddrDBTest();
    ~AddrDBTest() override;

    // A new document with "Form" (unless empty) and whatever `fill` appends;
    // its note ID.
    NOTEID AddNote(const std::function<void(NOTEHANDLE)>& fill, const char* form = "Person");
    Dump DumpNote(NOTEID id);
    std::vector<NOTEID> AllNotes();
    // Runs `body` with the API started; false when it could not start.
    bool WithApi(const std::function<void()>& body);

    // Items as a client stores them: flags 0, so a rewrite by the engine shows.
    static void AppendText(NOTEHANDLE note, const char* name, const std::string& text);
    static void AppendTextList(NOTEHANDLE note, const char* name,
                               const std::vector<std::string>& texts);
    static void AppendTime(NOTEHANDLE note, const char* name, double date);
    static void AppendRichText(NOTEHANDLE note, const char* name);

    // A record to write back: action 2 with the given origin.
    static tagCxLNAddrRec WriteRec(int32_t origin, NOTEID id);
    std::string ErrorValue(const char* key) const;
    std::string DataFile() const { return m_temp.File("LNAddr.dat"); }

    LogCapture m_log;
    testsupport::NotesFolder m_folder;
    testsupport::TempDir m_temp;
    TestAddrUtil m_util;
};

// Variant date of a civil date and time.
double VariantOf(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
const DumpedItem* FindItem(const Dump& dump, const std::string& name);
