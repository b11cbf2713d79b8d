// A write-back through the real helper host leaves alone every document
// someone changed in Lotus Notes after the load, and says so.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "SeededContacts.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"

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
    std::string text; // empty: the file is removed
    std::string error;
};

class SafeRunLoadFile : public SafeRun, public ::testing::WithParamInterface<BadLoadFile> {};

// Without a sound load information of this very load no write-back runs: it
// could not tell a document changed since, and would overwrite it.
TEST_P(SafeRunLoadFile, IsNeverTrusted) {
    const BadLoadFile& c = GetParam();
    if (!c.text.empty())
        testsupport::WriteFile(LoadFile(), c.text);
    else
        std::remove(LoadFile().c_str());
    const std::string before = Dump();
    Rename(Nth(util, 0), "Miller");
    util.SetDirty(true);
    EXPECT_FALSE(util.SubmitChanges());
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(std::string(util.GetLastErrorMsg()),
              "The load information " + LoadFile() + " " + c.error +
                  "; nothing was written back. Load the records again.");
}

const std::string kHead =
    "ZEMBRIK-LOADED 2\nload 0123abcd\nkind contacts\ndatabase names.nsf\nchanged 0\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, SafeRunLoadFile,
    ::testing::Values(
        BadLoadFile{"missing", "", "is missing"},
        BadLoadFile{"empty_line", "\n", "is damaged: line 1 is not \"ZEMBRIK-LOADED 2\": this is no load information"},
        BadLoadFile{"truncated", kHead + "1 1\n2 1\n", "is damaged: it ends too early"},
        BadLoadFile{"bad_entry", kHead + "1 x\nend\n",
                    "is damaged: line 6 is not \"NOTE-ID SEQUENCE\""},
        BadLoadFile{"twice", kHead + "1 1\n1 2\nend\n",
                    "is damaged: line 7 names document 1 a second time"},
        BadLoadFile{"long_line", kHead + std::string(5000, '1') + "\nend\n",
                    "is damaged: line 6 is longer than 4096 bytes"},
        BadLoadFile{"older_form",
                    "ZEMBRIK-LOADED 1\nkind contacts\ndatabase names.nsf\nchanged 0\nend\n",
                    "is damaged: line 1 is not \"ZEMBRIK-LOADED 2\": this is no load information"},
        BadLoadFile{"other_kind",
                    "ZEMBRIK-LOADED 2\nload 1\nkind tasks\ndatabase names.nsf\nchanged 0\n1 1\nend\n",
                    "belongs to another database or record kind"},
        BadLoadFile{"another_load", kHead + "1 1\n2 1\n3 1\n4 1\nend\n",
                    "belongs to another load than the records to write back (records were "
                    "loaded again since)"}),
    [](const auto& info) { return std::string(info.param.name); });

// Another run that loads in between replaces the load information: the first
// run's write-back is refused, never run without its check.
TEST_F(SafeRun, ALoadInBetweenRefusesTheEarlierLoadsWriteBack) {
    CxLNAddrUtil other;
    other.SetTempFilePath(notes.WizardFolder().c_str());
    other.SetLocalName("names.nsf");
    ASSERT_TRUE(other.LoadAll()) << other.GetLastErrorMsg();
    const std::string before = Dump();
    Rename(Nth(util, 0), "Miller");
    util.SetDirty(true);
    EXPECT_FALSE(util.SubmitChanges());
    EXPECT_EQ(Dump(), before);
    EXPECT_NE(std::string(util.GetLastErrorMsg()).find("belongs to another load"),
              std::string::npos)
        << util.GetLastErrorMsg();
}

template <class Util> class WithHelper : public Util {
public:
    using Util::SetHelperName_;
};

// A helper of this test's own beside the real one: it does to the exchange
// file what `shell` says and then runs the real helper on it.
class SafeRunTamper : public ::testing::Test {
protected:
    void SetUp() override {
        SeedContacts(notes, 4, &util);
        ASSERT_TRUE(util.LoadAll()) << util.GetLastErrorMsg();
    }
    void TearDown() override { std::remove(m_helper.c_str()); }
    void Tamper(const std::string& name, const std::string& shell) {
        char folder[CX_MAX_PATH] = "";
        GetModulePath(nullptr, folder);
        m_helper = std::string(folder) + name;
        testsupport::WriteFile(m_helper, "#!/bin/sh\nexchange=\"$(dirname \"$1\")/LNAddr.dat\"\n" +
                                             shell + "\nexec \"$(dirname \"$0\")/Zembrik.LNAddrHost\" \"$1\"\n");
        ASSERT_EQ(chmod(m_helper.c_str(), 0700), 0);
        util.SetHelperName_(name.c_str());
    }
    std::string Dump() const { return notes.Dump("names.nsf"); }

    NotesInstall notes;
    WithHelper<CxLNAddrUtil> util;
    std::string m_helper;
};

TEST_F(SafeRunTamper, AnExchangeFileEmptiedOrCutBeforeTheWriteBackIsRefused) {
    struct Case {
        const char* helper;
        const char* shell;
    } cases[] = {
        {"Zembrik.LNEmptyingHost", ": > \"$exchange\""},
        {"Zembrik.LNCuttingHost", "truncate -s 5000 \"$exchange\""},
        {"Zembrik.LNSwappingHost", "printf '\\0\\0\\0\\0' > \"$exchange\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.helper);
        const std::string before = Dump();
        for (tagCxLNAddrRec* rec = util.GetFirstRec(); rec; rec = util.GetNextRec())
            Rename(rec, "Miller");
        util.SetDirty(true);
        Tamper(c.helper, c.shell);
        EXPECT_FALSE(util.SubmitChanges());
        EXPECT_EQ(Dump(), before);
        const std::string error = util.GetLastErrorMsg();
        EXPECT_EQ(error.find("The exchange file " + notes.WizardFolder() +
                             "LNAddr.dat does not hold what was written for the write-back (4 "
                             "records, "),
                  0u)
            << error;
        EXPECT_NE(error.find("; nothing was written back. Load the records again."),
                  std::string::npos)
            << error;
    }
}

} // namespace
