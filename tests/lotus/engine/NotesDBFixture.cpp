#include "NotesDBFixture.h"

#include <algorithm>
#include <cstring>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNCommon.h"
#include "common/lotus/exchange/CxLNLoadFile.h"
#include "common/lotus/exchange/CxLNSavedFile.h"
#include "common/misc/CxDebugUtil.h"

namespace {

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

NotesDBTest::NotesDBTest(const std::string& ini) : m_folder(NOTES_LIBRARY, ini) {
    EXPECT_TRUE(m_folder.Ok());
    GetDebugUtil()->SetLevel(3);
    GetDebugUtil()->Enable(true);
}

NotesDBTest::~NotesDBTest() {
    CxLNApi::Stop();
    GetDebugUtil()->Enable(false);
}

bool NotesDBTest::WithApi(const std::function<void()>& body) {
    if (!CxLNApi::Start())
        return false;
    body();
    CxLNApi::Stop();
    return true;
}

NOTEID NotesDBTest::AddDocument(const char* db, const char* form,
                                const std::function<void(NOTEHANDLE)>& fill) {
    NOTEID added = 0;
    EXPECT_TRUE(WithApi([&] {
        DBHANDLE hDB = NULLHANDLE;
        ASSERT_EQ(LNApi().NSFDbOpen(db, &hDB), NOERROR);
        std::vector<NOTEID> before = SearchAll(hDB);
        NOTEHANDLE note = NULLHANDLE;
        ASSERT_EQ(LNApi().NSFNoteCreate(hDB, &note), NOERROR);
        if (*form)
            AppendText(note, "Form", form);
        fill(note);
        EXPECT_EQ(LNApi().NSFNoteUpdate(note, 0), NOERROR);
        LNApi().NSFNoteClose(note);
        for (NOTEID id : SearchAll(hDB))
            if (std::find(before.begin(), before.end(), id) == before.end())
                added = id;
        LNApi().NSFDbClose(hDB);
    }));
    EXPECT_NE(added, 0u);
    return added;
}

Dump NotesDBTest::DumpDocument(const char* db, NOTEID id) {
    Dump dump;
    EXPECT_TRUE(WithApi([&] {
        DBHANDLE hDB = NULLHANDLE;
        ASSERT_EQ(LNApi().NSFDbOpen(db, &hDB), NOERROR);
        NOTEHANDLE note = NULLHANDLE;
        if (LNApi().NSFNoteOpen(hDB, id, 0, &note) == NOERROR) {
            LNApi().NSFItemScan(note, CollectItem, &dump);
            LNApi().NSFNoteClose(note);
        }
        LNApi().NSFDbClose(hDB);
    }));
    return dump;
}

std::vector<NOTEID> NotesDBTest::Documents(const char* db) {
    std::vector<NOTEID> ids;
    EXPECT_TRUE(WithApi([&] {
        DBHANDLE hDB = NULLHANDLE;
        ASSERT_EQ(LNApi().NSFDbOpen(db, &hDB), NOERROR);
        ids = SearchAll(hDB);
        LNApi().NSFDbClose(hDB);
    }));
    return ids;
}

void NotesDBTest::AppendText(NOTEHANDLE note, const char* name, const std::string& text) {
    EXPECT_EQ(LNApi().NSFItemAppend(note, 0, name, static_cast<WORD>(std::strlen(name)), TYPE_TEXT,
                                    text.data(), static_cast<DWORD>(text.size())),
              NOERROR);
}

void NotesDBTest::AppendTime(NOTEHANDLE note, const char* name, double date) {
    TIMEDATE time;
    ASSERT_TRUE(VariantTimeToTIMEDATE(date, &time));
    EXPECT_EQ(LNApi().NSFItemAppend(note, 0, name, static_cast<WORD>(std::strlen(name)), TYPE_TIME,
                                    &time, sizeof time),
              NOERROR);
}

const DumpedItem* FindItem(const Dump& dump, const std::string& name) {
    for (const DumpedItem& item : dump)
        if (item.name == name)
            return &item;
    return nullptr;
}

std::vector<std::string> ChangedItems(const Dump& before, const Dump& after) {
    std::vector<std::string> names;
    for (const DumpedItem& item : after) {
        const DumpedItem* old = FindItem(before, item.name);
        if (!old || !(*old == item))
            names.push_back(item.name);
    }
    for (const DumpedItem& item : before)
        if (!FindItem(after, item.name))
            names.push_back(item.name);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::string TextOf(const Dump& dump, const char* name) {
    const DumpedItem* item = FindItem(dump, name);
    return item ? item->value : std::string("<missing>");
}

void NotesDBTest::KeepSaved(const std::string& folder, const char* dataFile) {
    tagLNLoadHead head;
    LNReadLoadHead(folder + LNLoadFileName(dataFile), &head, nullptr);
    tagLNSaved saved;
    ASSERT_TRUE(LNMeasureExchangeFile(folder + dataFile, &saved));
    saved.sLoadID = head.sLoadID;
    ASSERT_TRUE(LNWriteSavedFile(folder + LNSavedFileName(dataFile), saved));
}
