#include "AddrDBFixture.h"

#include <cstring>

#include "common/lotus/binding/CxLNApi.h"
#include "platform/ProfileFile.h"

namespace {

const char kDatabase[] = "names.nsf";

} // namespace

AddrDBTest::AddrDBTest() : NotesDBTest(testsupport::kDataIni) {
    // By notesdb: the test does not link the library, so no earlier test
    // keeps it loaded.
    EXPECT_EQ(m_folder.Notesdb("create Data/names.nsf"), 0);
    m_util.SetLocalName(kDatabase);
    m_util.SetTempFilePath(m_temp.Folder().c_str());
}

NOTEID AddrDBTest::AddNote(const std::function<void(NOTEHANDLE)>& fill, const char* form) {
    return AddDocument(kDatabase, form, fill);
}

Dump AddrDBTest::DumpNote(NOTEID id) {
    return DumpDocument(kDatabase, id);
}

std::vector<NOTEID> AddrDBTest::AllNotes() {
    return Documents(kDatabase);
}

void AddrDBTest::AppendTextList(NOTEHANDLE note, const char* name,
                                const std::vector<std::string>& texts) {
    std::string bytes;
    auto word = [&bytes](size_t n) {
        bytes.push_back(static_cast<char>(n & 0xff));
        bytes.push_back(static_cast<char>(n >> 8));
    };
    word(texts.size());
    for (const std::string& t : texts)
        word(t.size());
    for (const std::string& t : texts)
        bytes += t;
    EXPECT_EQ(LNApi().NSFItemAppend(note, 0, name, static_cast<WORD>(std::strlen(name)),
                                    TYPE_TEXT_LIST, bytes.data(), static_cast<DWORD>(bytes.size())),
              NOERROR);
}

void AddrDBTest::AppendRichText(NOTEHANDLE note, const char* name) {
    // One paragraph record is enough for an item that is not a text.
    const unsigned char paragraph[] = {0x81, 0x02};
    EXPECT_EQ(LNApi().NSFItemAppend(note, 0, name, static_cast<WORD>(std::strlen(name)),
                                    TYPE_COMPOSITE, paragraph, sizeof paragraph),
              NOERROR);
}

tagCxLNAddrRec AddrDBTest::WriteRec(int32_t origin, NOTEID id) {
    tagCxLNAddrRec rec;
    CxLNAddrUtil::InitRec(&rec);
    rec.nAction = LN_ACTION_WRITE;
    rec.nOrigin = origin;
    std::snprintf(rec.szID, sizeof rec.szID, "%u", static_cast<unsigned>(id));
    return rec;
}

std::string AddrDBTest::ErrorValue(const char* key) const {
    char value[1024] = "";
    platform::GetProfileString(m_temp.File("LNAddrErr.dat").c_str(), "Error", key, "", value,
                               sizeof value);
    return value;
}
