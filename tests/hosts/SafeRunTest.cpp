// A write-back through the real helper host leaves alone every document
// someone changed in Lotus Notes after the load, and says so.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "SeededContacts.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/misc/CxString.h"

namespace {

tagCxLNAddrRec* Nth(CxLNAddrUtil& util, int n) {
    tagCxLNAddrRec* rec = util.GetFirstRec();
    for (int i = 0; rec && i < n; ++i)
        rec = util.GetNextRec();
    return rec;
}

void Rename(tagCxLNAddrRec* rec, const char* last) {
    CxStrCopy(rec->szLastName, last);
    MarkModified(rec);
}

class SafeRun : public ::testing::Test {
protected:
    void SetUp() override {
        SeedContacts(notes, 4, &util);
        ASSERT_TRUE(util.LoadAll()) << util.GetLastErrorMsg();
        ASSERT_EQ(util.GetRecList()->GetCount(), 4u);
    }
    std::string Db() const { return notes.DataFile("names.nsf"); }
    std::string LoadFile() const { return notes.WizardFolder() + "LNAddr.dat.seq"; }
    std::string Dump() const { return notes.Dump("names.nsf"); }
    bool Has(const std::string& line) const { return Dump().find(line + "\n") != std::string::npos; }

    NotesInstall notes;
    CxLNAddrUtil util;
};

TEST_F(SafeRun, KeepsADocumentEditedSinceTheLoadAndWritesTheOthers) {
    notes.Notesdb("set '" + Db() + "' 2 LastName Edited");
    Rename(Nth(util, 0), "Miller");
    Rename(Nth(util, 1), "Ours");
    Nth(util, 2)->nAction = LN_ACTION_DELETE;
    notes.Notesdb("set '" + Db() + "' 3 JobTitle Boss");
    util.SetDirty(true);

    EXPECT_FALSE(util.SubmitChanges());
    EXPECT_EQ(util.GetChangedSinceLoad(), 2);
    EXPECT_STREQ(util.GetLastErrorMsg(),
                 "Document 3 was changed in Lotus Notes after it was loaded; it was left unchanged.");
    EXPECT_TRUE(Has("LastName: Miller"));
    EXPECT_TRUE(Has("LastName: Edited"));
    EXPECT_FALSE(Has("LastName: Ours"));
    EXPECT_TRUE(Has("JobTitle: Boss")) << "document 3 was not deleted";

    // The next write-back of the same load knows what it wrote itself.
    Rename(Nth(util, 0), "Miller-2");
    Nth(util, 1)->nAction = LN_ACTION_NONE;
    Nth(util, 2)->nAction = LN_ACTION_NONE;
    util.SetDirty(true);
    EXPECT_TRUE(util.SubmitChanges()) << util.GetLastErrorMsg();
    EXPECT_EQ(util.GetChangedSinceLoad(), 0);
    EXPECT_TRUE(Has("LastName: Miller-2"));
}

TEST_F(SafeRun, TheLoadInformationIsPrivate) {
    struct stat st {};
    ASSERT_EQ(stat(LoadFile().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

struct BadLoadFile {
    const char* name;
    const char* text; // nullptr: the file is removed
    bool written;     // the write-back goes on
    const char* error;
};

class SafeRunLoadFile : public SafeRun, public ::testing::WithParamInterface<BadLoadFile> {};

TEST_P(SafeRunLoadFile, IsNeverTrusted) {
    const BadLoadFile& c = GetParam();
    if (c.text)
        testsupport::WriteFile(LoadFile(), c.text);
    else
        std::remove(LoadFile().c_str());
    const std::string before = Dump();
    Rename(Nth(util, 0), "Miller");
    util.SetDirty(true);
    EXPECT_EQ(util.SubmitChanges(), c.written) << util.GetLastErrorMsg();
    EXPECT_EQ(Has("LastName: Miller"), c.written);
    if (!c.written) {
        EXPECT_EQ(Dump(), before);
        EXPECT_EQ(std::string(util.GetLastErrorMsg()), "The load information " + LoadFile() + " " +
                                                           c.error +
                                                           "; nothing was written back. Load the "
                                                           "records again.");
    }
}

const std::string kHead = "ZEMBRIK-LOADED 1\nkind contacts\ndatabase names.nsf\nchanged 0\n";
const std::string kTruncated = kHead + "1 1\n2 1\n";
const std::string kBadLine = kHead + "1 x\nend\n";
const std::string kOther = "ZEMBRIK-LOADED 1\nkind tasks\ndatabase names.nsf\nchanged 0\n1 1\nend\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, SafeRunLoadFile,
    ::testing::Values(BadLoadFile{"missing", nullptr, true, ""},
                      BadLoadFile{"empty", "", false, "is damaged"},
                      BadLoadFile{"truncated", kTruncated.c_str(), false, "is damaged"},
                      BadLoadFile{"bad_entry", kBadLine.c_str(), false, "is damaged"},
                      BadLoadFile{"other_kind", kOther.c_str(), false,
                                  "belongs to another database or record kind"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
