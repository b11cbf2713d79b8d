// The first batch update from end to end on files: an exchange data file of
// contacts is loaded, the definitions are applied to the selected records,
// the file is written and read again.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "platform/OleDate.h"
#include "wizard/update/UpdateRun.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/update/Vxlnaddr.h"

namespace {

tagCxLNAddrRec Contact(int id, const char* first, const char* last, const char* street) {
    tagCxLNAddrRec rec;
    CxLNAddrUtil::InitRec(&rec);
    CxStrFormat(rec.szID, sizeof rec.szID, "%d", id);
    CxStrCopy(rec.szFirstName, first);
    CxStrCopy(rec.szLastName, last);
    CxStrCopy(rec.szBusinessStreet, street);
    CxStrCopy(rec.szCompany, "Acme Inc");
    return rec;
}

tagFUFieldUpdate* Text(int key, int op, const char* value, const char* find = "", int pos = 0) {
    auto* def = new tagFUFieldUpdate();
    def->nFieldKey = key;
    def->nOperation = op;
    CxStrCopy(def->szValue, value);
    CxStrCopy(def->szFind, find);
    def->nPosition = pos;
    return def;
}

tagFUFieldUpdate* Date(int key, double value) {
    auto* def = new tagFUFieldUpdate();
    def->nFieldKey = key;
    def->nDateSet = 1;
    def->dtValue = value;
    return def;
}

struct Definitions {
    CxList list;
    ~Definitions() {
        for (void* p = list.GetFirst(); p; p = list.GetNext())
            delete static_cast<tagFUFieldUpdate*>(p);
    }
};

std::unique_ptr<CxLNAddrUtil> Load(const testsupport::TempDir& dir) {
    auto util = std::make_unique<CxLNAddrUtil>();
    util->SetTempFilePath(dir.Folder().c_str());
    EXPECT_TRUE(util->LoadFromFile(nullptr));
    return util;
}

} // namespace

TEST(BatchOnFiles, ChangesExactlyTheSelectedRecords) {
    testsupport::TempDir dir;
    {
        CxLNAddrUtil writer;
        writer.SetTempFilePath(dir.Folder().c_str());
        const tagCxLNAddrRec contacts[] = {Contact(101, "John", "Smith", "1 Main St"),
                                           Contact(102, "Mary", "Jones", "2 Oak St"),
                                           Contact(103, "Ann", "Brown", "3 Elm St"),
                                           Contact(104, "Bob", "White", "4 Pine St")};
        for (const tagCxLNAddrRec& c : contacts)
            writer.AddRec(&c);
        ASSERT_TRUE(writer.SaveToFile(nullptr));
    }

    double birthday = 0;
    SYSTEMTIME st{1980, 5, 0, 17, 0, 0, 0, 0};
    ASSERT_TRUE(SystemTimeToVariantTime(&st, &birthday));

    auto util = Load(dir);
    ASSERT_EQ(util->GetRecList()->GetCount(), 4u);
    Definitions defs;
    defs.list.Add(Text(3, FU_OP_SET, "Miller"));            // Last Name
    defs.list.Add(Text(1, FU_OP_APPEND, "ny"));             // First Name
    defs.list.Add(Text(6, FU_OP_INSERT, "The ", "", 0));    // Company Name
    defs.list.Add(Text(17, FU_OP_REPLACE, "Street", "St")); // Business Street
    defs.list.Add(Date(46, birthday));                      // Birth Date

    // Select the second and the fourth contact through their common records.
    CxList selected;
    CommAddrMgr* mgr = util->GetDataMgr();
    int index = 0;
    for (tagCommAddrRec* c = mgr->GetFirstRec(); c; c = mgr->GetNextRec(), ++index)
        if (index == 1 || index == 3)
            selected.Add(c);

    CxVXLNAddrUtil engine;
    engine.SetLNUtil(util.get());
    std::string progress;
    uint32_t updated = RunFieldUpdates(&selected, &defs.list, &engine,
                                       [&](uint32_t i, uint32_t n) {
                                           progress += std::to_string(i) + "/" + std::to_string(n) + " ";
                                       });
    EXPECT_EQ(updated, 2u);
    EXPECT_EQ(progress, "0/2 1/2 ");
    ASSERT_TRUE(util->SaveToFile(nullptr));
    util.reset();

    auto again = Load(dir);
    struct Expect {
        const char* id;
        bool changed;
        const char* first;
        const char* last;
        const char* street;
    } expected[] = {
        {"101", false, "John", "Smith", "1 Main St"},
        {"102", true, "Maryny", "Miller", "2 Oak Street"},
        {"103", false, "Ann", "Brown", "3 Elm St"},
        {"104", true, "Bobny", "Miller", "4 Pine Street"},
    };
    tagCxLNAddrRec* rec = again->GetFirstRec();
    for (const Expect& e : expected) {
        ASSERT_NE(rec, nullptr);
        SCOPED_TRACE(e.id);
        EXPECT_STREQ(rec->szID, e.id);
        EXPECT_STREQ(rec->szFirstName, e.first);
        EXPECT_STREQ(rec->szLastName, e.last);
        EXPECT_STREQ(rec->szBusinessStreet, e.street);
        EXPECT_STREQ(rec->szCompany, e.changed ? "The Acme Inc" : "Acme Inc");
        EXPECT_EQ(rec->dtBirthday, e.changed ? birthday : 0.0);
        EXPECT_EQ(rec->nAction, e.changed ? 2 : 0);
        EXPECT_EQ(rec->nOrigin, e.changed ? 2 : 0);
        rec = again->GetNextRec();
    }
    EXPECT_EQ(rec, nullptr);
}
