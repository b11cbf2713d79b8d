// Loading Person documents into contact records.
#include "AddrDBFixture.h"

#include <cstring>
#include <dlfcn.h>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNAddrItems.h"
#include "common/lotus/engine/CxLNRunStop.h"
#include "common/misc/CxList.h"

TEST_F(AddrDBTest, LoadReadsTheItemsOfPersonDocuments) {
    const double birthday = VariantOf(1975, 4, 12, 0, 0, 0);
    const std::string longComment(5000, 'c');
    NOTEID id = AddNote([&](NOTEHANDLE note) {
        AppendText(note, "$Revisions", "skipped");
        AppendText(note, "firstname", "Ann");
        AppendText(note, "LASTNAME", "Lee");
        AppendText(note, "FullName", "Ann Lee");
        AppendTextList(note, "Categories", {"Friends", "Work"});
        AppendText(note, "Comment", longComment);
        AppendTime(note, "Birthday", birthday);
        AppendText(note, "OfficeCity", std::string("Oslo\0Bergen", 11));
        AppendText(note, "Title", "Dr.");
    });
    AddNote([](NOTEHANDLE note) { AppendText(note, "FirstName", "Not a person"); }, "Group");

    ASSERT_TRUE(m_util.LoadFromDB()) << m_log.Text();
    ASSERT_EQ(m_util.GetRecList()->GetCount(), 1);
    const tagCxLNAddrRec* rec = m_util.GetFirstRec();
    EXPECT_EQ(std::string(rec->szID), std::to_string(id));
    EXPECT_EQ(rec->nAction, 0);
    EXPECT_EQ(rec->nOrigin, 0);
    EXPECT_STREQ(rec->szFirstName, "Ann");
    EXPECT_STREQ(rec->szLastName, "Lee");
    EXPECT_STREQ(rec->szDisplayName, "Ann Lee");
    EXPECT_STREQ(rec->szCategories, "");
    EXPECT_EQ(std::strlen(rec->szNote), 4095u);
    EXPECT_DOUBLE_EQ(rec->dtBirthday, birthday);
    EXPECT_EQ(rec->dtAnniversary, 0.0);
    EXPECT_STREQ(rec->szBusinessCity, "Oslo");
    EXPECT_EQ(CxLNApi::IsStarted(), false);
    const std::string log = m_log.Text();
    EXPECT_NE(log.find("Search Lotus Notes contact database ..."), std::string::npos);
    EXPECT_NE(log.find("Close Lotus Notes Contacts database successfully."), std::string::npos);
    EXPECT_EQ(testsupport::ReadFile(m_temp.File("LNAddrStatus.dat")),
              "Search Lotus Notes contact database ...\r\n");
}

TEST_F(AddrDBTest, LoadOfAMissingDatabaseFails) {
    m_util.SetLocalName("missing.nsf");
    EXPECT_FALSE(m_util.LoadFromDB());
    EXPECT_NE(m_log.Text().find("Can not open Lotus Notes Contacts file: missing.nsf, error code="),
              std::string::npos);
    EXPECT_FALSE(CxLNApi::IsStarted());
}

TEST_F(AddrDBTest, LoadWithoutDatabaseNameDoesNothing) {
    m_util.SetLocalName("");
    EXPECT_FALSE(m_util.LoadFromDB());
    EXPECT_FALSE(testsupport::FileExists(m_temp.File("LNAddrStatus.dat")));
}

// The search ends because the run stopped: its status says nothing more.
TEST_F(AddrDBTest, AStoppedLoadSaysWhyAndNotThatTheSearchFailed) {
    AddNote([](NOTEHANDLE note) { AppendText(note, "FirstName", "One"); });
    m_util.InitErrorReport();
    LNStopForReport("the test stops it");
    const bool loaded = m_util.LoadFromDB();
    LNResetReportStop();
    LNResetRunStop();

    EXPECT_FALSE(loaded);
    EXPECT_EQ(ErrorValue("Error.Count"), "1");
    EXPECT_EQ(ErrorValue("Error.1"), "The load stopped before its end: the test stops it. The "
                                     "documents not reached were left as they are.");
    EXPECT_EQ(m_log.Text().find("Failed to search"), std::string::npos) << m_log.Text();
}

TEST(AddrItemLookup, ItemsInTableOrderMatchAtTheHint) {
    const tagLNItemKind& kind = kLNAddrItems;
    int hint = 0;
    for (int i = 0; i < 61; ++i) {
        EXPECT_EQ(LNLookupItem(kind, kind.pTable[i].szName, &hint), kind.pTable[i].nFieldID);
        EXPECT_EQ(hint, i + 1) << kind.pTable[i].szName;
    }
    // From the end the search wraps round to the start.
    EXPECT_GT(LNLookupItem(kind, "firstNAME", &hint), 0);
    EXPECT_EQ(hint, 7);
}

TEST(AddrItemLookup, UnknownDollarAndEmptyNamesMatchNothing) {
    int hint = 5;
    for (const char* name : {"", "$FirstName", "Nickname", "FirstName2"}) {
        EXPECT_EQ(LNLookupItem(kLNAddrItems, name, &hint), -1) << name;
        EXPECT_EQ(hint, 5);
    }
    EXPECT_EQ(kLNAddrItems.nCount, 70);
}

// The real library behind a table whose NSFNoteOpen or NSFItemScan fails once.
namespace {

struct Faults {
    tagLNApiTable real{};
    NOTEID failOpen = 0;
    int failScanAt = 0;
    int scans = 0;
};
Faults g_faults;

STATUS FailingOpen(DBHANDLE db, NOTEID id, WORD flags, NOTEHANDLE* note) {
    if (id == g_faults.failOpen)
        return ERR_INVALID_NOTE;
    return g_faults.real.NSFNoteOpen(db, id, flags, note);
}

STATUS FailingScan(NOTEHANDLE note, NSFITEMSCANPROC proc, void* param) {
    if (++g_faults.scans == g_faults.failScanAt)
        return ERR_INVALID_NOTE;
    return g_faults.real.NSFItemScan(note, proc, param);
}

bool BindReal(void* library, tagLNApiTable* table) {
#define BIND(name)                                                                                 \
    table->name = reinterpret_cast<decltype(table->name)>(dlsym(library, #name));                  \
    if (!table->name)                                                                              \
        return false;
    CX_LN_API_FUNCTIONS(BIND)
#undef BIND
    return true;
}

struct FaultCase {
    const char* name;
    bool failOpen;
    const char* call;
};

} // namespace

class AddrLoadFaultTest : public AddrDBTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(AddrLoadFaultTest, ADocumentThatCannotBeReadIsReportedAndSkipped) {
    std::vector<NOTEID> ids;
    for (const char* name : {"One", "Two", "Three"})
        ids.push_back(AddNote([&](NOTEHANDLE note) { AppendText(note, "FirstName", name); }));

    void* library = dlopen("./libnotes.so", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr);
    g_faults = Faults();
    ASSERT_TRUE(BindReal(library, &g_faults.real));
    tagLNApiTable table = g_faults.real;
    if (GetParam().failOpen) {
        g_faults.failOpen = ids[1];
        table.NSFNoteOpen = FailingOpen;
    } else {
        g_faults.failScanAt = 2;
        table.NSFItemScan = FailingScan;
    }
    CxLNApi::Install(table);
    m_util.InitErrorReport();
    const bool loaded = m_util.LoadFromDB();
    CxLNApi::Uninstall();
    dlclose(library);

    ASSERT_TRUE(loaded) << m_log.Text();
    ASSERT_EQ(m_util.GetRecList()->GetCount(), 2);
    EXPECT_STREQ(m_util.GetFirstRec()->szFirstName, "One");
    EXPECT_STREQ(m_util.GetNextRec()->szFirstName, "Three");
    const std::string expected = std::string("Failed to call ") + GetParam().call +
                                 ", note ID=" + std::to_string(ids[1]) +
                                 ", error code=" + std::to_string(ERR_INVALID_NOTE);
    EXPECT_EQ(ErrorValue("Error.Count"), "1");
    EXPECT_EQ(ErrorValue("Error.1"), expected + "; message=Invalid or nonexistent document");
    EXPECT_NE(m_log.Text().find(expected), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Faults, AddrLoadFaultTest,
                         ::testing::Values(FaultCase{"open", true, "NSFNoteOpen"},
                                           FaultCase{"scan", false, "NSFItemScan"}),
                         [](const auto& info) { return std::string(info.param.name); });
