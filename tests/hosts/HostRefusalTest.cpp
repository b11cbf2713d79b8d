// What the real helper host refuses: a parameter file or a folder not named
// by its whole path (it runs in the Notes program folder, where a relative
// name would lead), and a load information too large to be one, which it
// reads no further than a line's bound, within a small memory limit.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "RunProgram.h"
#include "SeededContacts.h"
#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"

namespace {

std::string ProgramFolder() {
    char folder[CX_MAX_PATH] = "";
    GetModulePath(nullptr, folder);
    return folder;
}

// The limit on a helper's memory; the sanitizers' shadow memory needs more.
std::string LimitMemory() {
#if defined(__SANITIZE_ADDRESS__)
    return "";
#else
    return "ulimit -v 524288; ";
#endif
}

template <class Util> class WithHelper : public Util {
public:
    using Util::SetHelperName_;
};

class HostRefusal : public ::testing::Test {
protected:
    void TearDown() override {
        if (!m_helper.empty())
            std::remove(m_helper.c_str());
    }
    // A parameter file of a contacts run whose folder is `folder`, at `path`.
    static void WriteParams(const std::string& folder, const std::string& path) {
        CxLNAddrUtil util;
        util.SetTempFilePath(folder.c_str());
        util.SetLocalName("names.nsf");
        util.SetPassword("secret");
        util.SetStatusFile("");
        util.SetErrorFile("LNAddrErr.dat");
        ASSERT_TRUE(util.WriteParamFile());
        if (folder + "LNAddrParam.dat" != path) {
            ASSERT_EQ(std::rename((folder + "LNAddrParam.dat").c_str(), path.c_str()), 0);
        }
        util.SetErrorFile("");
    }
    RunResult Host(const std::string& param) const {
        return RunProgram(ProgramFolder() + "Zembrik.LNAddrHost", {param}, notes.ProgramFolder());
    }
    // A helper of this test's own: the real one under a memory limit.
    std::string LimitedHelper() {
        m_helper = ProgramFolder() + "Zembrik.LNLimitedAddrHost";
        testsupport::WriteFile(m_helper, "#!/bin/sh\n" + LimitMemory() +
                                             "exec \"$(dirname \"$0\")/Zembrik.LNAddrHost\" \"$1\"\n");
        EXPECT_EQ(chmod(m_helper.c_str(), 0700), 0);
        return "Zembrik.LNLimitedAddrHost";
    }

    NotesInstall notes;
    std::string m_helper;
};

TEST_F(HostRefusal, AParameterFileNamedRelativelyIsNeitherReadNorRemoved) {
    const std::string planted = notes.ProgramFolder() + "relapp/";
    std::filesystem::create_directories(planted);
    WriteParams(planted, planted + "LNAddrParam.dat");
    const RunResult r = Host("relapp/LNAddrParam.dat");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("The parameter file relapp/LNAddrParam.dat is not named by its whole "
                         "path; it was neither read nor removed."),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(testsupport::FileExists(planted + "LNAddrParam.dat"));
    EXPECT_FALSE(testsupport::FileExists(planted + "LNAddrErr.dat"));
}

TEST_F(HostRefusal, ARelativeFolderInTheParametersIsRefused) {
    testsupport::TempDir params;
    const std::string param = params.File("LNAddrParam.dat");
    // This process runs in the Notes program folder, as a helper does.
    std::filesystem::create_directories(notes.ProgramFolder() + "relapp");
    WriteParams("relapp/", param);
    const RunResult r = Host(param);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Can not read parameter file: " + param), std::string::npos) << r.err;
    EXPECT_FALSE(testsupport::FileExists(param)) << "it holds a password";
    EXPECT_TRUE(std::filesystem::is_empty(notes.ProgramFolder() + "relapp"));
    EXPECT_FALSE(testsupport::FileExists(notes.ProgramFolder() + "appdebug.log"));
}

// A load information of 2 GB (sparse: nothing but zeros) is damaged at its
// first line's bound, and said so, without being read whole.
TEST_F(HostRefusal, AHugeLoadInformationIsDamagedAtItsFirstLine) {
    WithHelper<CxLNAddrUtil> util;
    SeedContacts(notes, 3, &util);
    ASSERT_TRUE(util.LoadAll()) << util.GetLastErrorMsg();
    const std::string loadFile = notes.WizardFolder() + "LNAddr.dat.seq";
    ASSERT_EQ(truncate(loadFile.c_str(), 0), 0);
    ASSERT_EQ(truncate(loadFile.c_str(), 2LL << 30), 0);
    const std::string before = notes.Dump("names.nsf");
    CxStrCopy(util.GetFirstRec()->szLastName, "Miller");
    MarkModified(util.GetFirstRec());
    util.SetDirty(true);
    util.SetHelperName_(LimitedHelper().c_str());

    EXPECT_FALSE(util.SubmitChanges());
    EXPECT_EQ(std::string(util.GetLastErrorMsg()),
              "The load information " + loadFile +
                  " is damaged: line 1 is longer than 4096 bytes; nothing was written back. Load "
                  "the records again.");
    EXPECT_EQ(notes.Dump("names.nsf"), before);
}

} // namespace
