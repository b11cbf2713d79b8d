// A stand-in Notes program folder with an empty contacts database, a
// contacts data object pointed at it, and helpers that build and dump its
// documents.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "NotesDBFixture.h"
#include "common/lotus/exchange/CxLNAddr.h"

// The run mode comes from the parameter file in a helper; tests set it.
class TestAddrUtil : public CxLNAddrUtil {
public:
    void SetMode(int mode) { m_nMode = mode; }
};

class AddrDBTest : public NotesDBTest {
protected:
    AddrDBTest();

    // A new document of the contacts database with "Form" (unless empty) and
    // whatever `fill` appends; its note ID.
    NOTEID AddNote(const std::function<void(NOTEHANDLE)>& fill, const char* form = "Person");
    Dump DumpNote(NOTEID id);
    std::vector<NOTEID> AllNotes();

    static void AppendTextList(NOTEHANDLE note, const char* name,
                               const std::vector<std::string>& texts);
    static void AppendRichText(NOTEHANDLE note, const char* name);

    // A record to write back: action 2 with the given origin.
    static tagCxLNAddrRec WriteRec(int32_t origin, NOTEID id);
    std::string ErrorValue(const char* key) const;
    std::string DataFile() const { return m_temp.File("LNAddr.dat"); }

    TestAddrUtil m_util;
};
