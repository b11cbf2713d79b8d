#include "NotesInstall.h"

#include <gtest/gtest.h>

#include <cstring>

#include "RunProgram.h"

namespace notestest {

NotesInstall::NotesInstall(const std::string& extraIni)
    : m_folder("", "[Notes]\r\nDirectory=Data\r\n" + extraIni +
                       "\r\n[Servers]\r\nAlpha/Org=servers/alpha\r\n") {
    m_folder.MakeFolders("servers/alpha");
    if (!m_folder.Ok())
        ADD_FAILURE() << "cannot enter " << m_folder.Path();
}

// The folder is left after the API ends.
NotesInstall::~NotesInstall() {
    NotesTerm();
}

std::string NotesInstall::Data(const std::string& name) const {
    return name.empty() ? m_folder.File("Data") : m_folder.File("Data/" + name);
}

std::string NotesInstall::Server(const std::string& name) const {
    return name.empty() ? m_folder.File("servers/alpha") : m_folder.File("servers/alpha/" + name);
}

std::string NotesInstall::CreateDatabase(const std::string& name) const {
    std::string path = Data(name);
    EXPECT_EQ(ZNSCreateDatabase(path.c_str()), NOERROR) << path;
    return path;
}

namespace {
STATUS LNCALLBACK CollectId(void* param, SEARCH_MATCH* match, ITEM_TABLE*) {
    SEARCH_MATCH m;
    std::memcpy(&m, match, sizeof m);
    if (m.SERetFlags & SE_FMATCH)
        static_cast<std::vector<NOTEID>*>(param)->push_back(m.ID.NoteID);
    return NOERROR;
}
} // namespace

STATUS SearchIds(DBHANDLE db, const std::string& formula, std::vector<NOTEID>& ids) {
    FORMULAHANDLE hFormula = NULLHANDLE;
    WORD length = 0, line = 0, column = 0, offset = 0, errorLength = 0;
    STATUS error = 0;
    STATUS status = NSFFormulaCompile(nullptr, 0, formula.c_str(), static_cast<WORD>(formula.size()),
                                      &hFormula, &length, &error, &line, &column, &offset,
                                      &errorLength);
    if (status != NOERROR)
        return status;
    status = NSFSearch(db, hFormula, nullptr, 0, NOTE_CLASS_DOCUMENT, nullptr, CollectId, &ids,
                       nullptr);
    OSMemFree(hFormula);
    return status;
}

int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& folder) {
    return ::RunProgram(program, args, folder).status;
}

std::string StatusText(STATUS status) {
    char text[256];
    OSLoadString(NULLHANDLE, ERR(status), text, sizeof text);
    return std::to_string(status) + " " + text;
}

} // namespace notestest
