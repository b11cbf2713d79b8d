#include "AddrDBFixture.h"

#include <algorithm>
#include <cstring>

#include "common/lotus/CxLNApi.h"
#include "common/lotus/CxLNCommon.h"
#include "common/misc/CxDebugUtil.h"
#include "platform/OleDate.h"
#include "platform/ProfileFile.h"

namespace {

const char kDatabase[] = "names.nsf";

STATUS LNCALLBACK CollectNote(void* param, SEARCH_MATCH* match, ITEM_TABLE*) {
    SEARCH_MATCH copy;
    std::memcpy(&copy, match, sizeof copy);
    if (copy.SERetFlags & SE_FMATCH)
        static_cast<std::vector<NOTEID>*>(param)->push_back(copy.ID.NoteID);
    return NOERROR;
}

STATUS LNCALLBACK CollectItem(WORD, WORD flags, char* name, WORD nameLength, void* value,
                              DWORD valueLength, void* param) {
    DumpedItem item;
    item.name.assign(name, nameLength);
    item.flags = flags;
    std::memcpy(&item.type, value, sizeof item.type);
    item.value.assign(static_cast<const char*>(value) + 2, valueLength - 2);
    static_cast<Dump*>(param)->push_back(item);
    return NOERROR;
}

std::vector<NOTEID> SearchAll(DBHANDLE db) {
    std::vector<NOTEID> ids;
    FORMULAHANDLE formula = NULLHANDLE;
    WORD length = 0, a = 0, b = 0, c = 0, d = 0;
    STATUS error = 0;
    const char text[] = "SELECT @All";
    if (LNApi().NSFFormulaCompile(nullptr, 0, text, sizeof text - 1, &formula, &length, &error, &a,
                                  &b, &c, &d) != NOERROR)
        return ids;
    LNApi().NSFSearch(db, formula, nullptr, 0, NOTE_CLASS_DOCUMENT, nullptr, CollectNote, &ids,
                      nullptr);
    LNApi().OSMemFree(formula);
    return ids;
}

} // namespace

AddrDBTest::AddrDBTest() : m_folder(NOTES_LIBRARY) {
    EXPECT_TRUE(m_folder.Ok());
    // By notesdb: the test does not link the library, so no earlier test
    // keeps it loaded.
    EXPECT_EQ(m_folder.Notesdb("create Data/names.nsf"), 0);
    m_util.SetLocalName(kDatabase);
    m_util.SetTempFilePath(m_temp.Folder().c_str());
    GetDebugUtil()->SetLevel(3);
    GetDebugUtil()->Enable(true);
}

AddrDBTest::~AddrDBTest() {
    CxLNApi::Stop();
    GetDebugUtil()->Enable(false);
}

bool AddrDBTest::WithApi(const std::function<void()>& body) {
    if (!CxLNApi::Start())
        return false;
    body();
    CxLNApi::Stop();
    return true;
}

NOTEID AddrDBTest::AddNote(const std::function<void(NOTEHANDLE)>& fill, const char* form) {
    NOTEID added = 0;
    EXPECT_TRUE(WithApi([&] {
        DBHANDLE db = NULLHANDLE;
        ASSERT_EQ(LNApi().NSFDbOpen(kDatabase, &db), NOERROR);
        std::vector<NOTEID> before = SearchAll(db);
        NOTEHANDLE note = NULLHANDLE;
        ASSERT_EQ(LNApi().NSFNoteCreate(db, &note), NOERROR);
        if (*form)
            AppendText(note, "Form", form);
        fill(note);
        EXPECT_EQ(LNApi().NSFNoteUpdate(note, 0), NOERROR);
        LNApi().NSFNoteClose(note);
        for (NOTEID id : SearchAll(db))
            if (std::find(before.begin(), before.end(), id) == before.end())
                added = id;
        LNApi().NSFDbClose(db);
    }));
    EXPECT_NE(added, 0u);
    return added;
}

Dump AddrDBTest::DumpNote(NOTEID id) {
    Dump dump;
    EXPECT_TRUE(WithApi([&] {
        DBHANDLE db = NULLHANDLE;
        ASSERT_EQ(LNApi().NSFDbOpen(kDatabase, &db), NOERROR);
        NOTEHANDLE note = NULLHANDLE;
        if (LNApi().NSFNoteOpen(db, id, 0, &note) == NOERROR) {
            LNApi().NSFItemScan(note, CollectItem, &dump);
            LNApi().NSFNoteClose(note);
        }
        LNApi().NSFDbClose(db);
    }));
    return dump;
}

std::vector<NOTEID> AddrDBTest::AllNotes() {
    std::vector<NOTEID> ids;
    EXPECT_TRUE(WithApi([&] {
        DBHANDLE db = NULLHANDLE;
        ASSERT_EQ(LNApi().NSFDbOpen(kDatabase, &db), NOERROR);
        ids = SearchAll(db);
        LNApi().NSFDbClose(db);
    }));
    return ids;
}

void AddrDBTest::AppendText(NOTEHANDLE note, const char* name, const std::string& text) {
    EXPECT_EQ(LNApi().NSFItemAppend(note, 0, name, static_cast<WORD>(std::strlen(name)), TYPE_TEXT,
                                    text.data(), static_cast<DWORD>(text.size())),
              NOERROR);
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

void AddrDBTest::AppendTime(NOTEHANDLE note, const char* name, double date) {
    TIMEDATE time;
    ASSERT_TRUE(VariantTimeToTIMEDATE(date, &time));
    EXPECT_EQ(LNApi().NSFItemAppend(note, 0, name, static_cast<WORD>(std::strlen(name)), TYPE_TIME,
                                    &time, sizeof time),
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

double VariantOf(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME st = {};
    st.wYear = static_cast<uint16_t>(year);
    st.wMonth = static_cast<uint16_t>(month);
    st.wDay = static_cast<uint16_t>(day);
    st.wHour = static_cast<uint16_t>(hour);
    st.wMinute = static_cast<uint16_t>(minute);
    st.wSecond = static_cast<uint16_t>(second);
    double v = 0;
    EXPECT_TRUE(SystemTimeToVariantTime(&st, &v));
    return v;
}

const DumpedItem* FindItem(const Dump& dump, const std::string& name) {
    for (const DumpedItem& item : dump)
        if (item.name == name)
            return &item;
    return nullptr;
}
