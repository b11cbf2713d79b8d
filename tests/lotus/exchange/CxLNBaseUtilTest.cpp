// The data class frame: defaults, setters, reference records, clearing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/stat.h>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/WinUtil.h"

using testsupport::FileExists;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

struct KindFiles {
    std::unique_ptr<CxLNBaseUtil> util;
    const char* data;
    const char* error;
    const char* status;
    const char* param;
};

TEST(BaseUtil, KindDefaults) {
    KindFiles kinds[] = {
        {std::make_unique<CxLNAddrUtil>(), "LNAddr.dat", "LNAddrErr.dat", "LNAddrStatus.dat",
         "LNAddrParam.dat"},
        {std::make_unique<CxLNDateUtil>(), "LNDate.dat", "LNDateErr.dat", "LNDateStatus.dat",
         "LNDateParam.dat"},
        {std::make_unique<CxLNTaskUtil>(), "LNTask.dat", "LNTaskErr.dat", "LNTaskStatus.dat",
         "LNTaskParam.dat"},
        {std::make_unique<CxLNNoteUtil>(), "LNNote.dat", "LNNoteErr.dat", "LNNoteStatus.dat",
         "LNNoteParam.dat"},
    };
    char module[CX_MAX_PATH];
    ASSERT_TRUE(GetModulePath(nullptr, module));
    ASSERT_NE(module[0], '\0');
    for (const KindFiles& kind : kinds) {
        const CxLNBaseUtil& u = *kind.util;
        EXPECT_STREQ(u.GetFileName(), kind.data);
        EXPECT_STREQ(u.GetErrorFile(), kind.error);
        EXPECT_STREQ(u.GetStatusFile(), kind.status);
        EXPECT_STREQ(u.GetParamFile(), kind.param);
        EXPECT_STREQ(u.GetTempFilePath(), module);
        EXPECT_STREQ(u.GetDebugFile(), "appdebug.log");
        EXPECT_STREQ(u.GetDebugPath(), "");
        EXPECT_STREQ(u.GetServerName(), "");
        EXPECT_STREQ(u.GetLastErrorMsg(), "");
        EXPECT_EQ(u.GetDebugLevel(), 3);
        EXPECT_FALSE(u.IsDebugEnabled());
        EXPECT_EQ(u.GetMode(), 0);
        EXPECT_TRUE(u.IsDirty());
        EXPECT_FALSE(u.IsValid());
        EXPECT_FALSE(u.HasError());
    }
}

TEST(BaseUtil, BaseCycleOfTheFrameAlone) {
    CxLNBaseUtil base;
    EXPECT_TRUE(base.LoadAll());
    EXPECT_FALSE(base.SubmitChanges());
    base.SetValid(true);
    EXPECT_TRUE(base.SubmitChanges());
    base.SetDirty(false);
    EXPECT_FALSE(base.IsDirty());
}

TEST(BaseUtil, SettersCutEmptyAndKeep) {
    CxLNDateUtil util;
    const std::string longText(300, 's');
    using Setter = void (CxLNBaseUtil::*)(const char*);
    using Getter = const char* (CxLNBaseUtil::*)() const;
    const std::pair<Setter, Getter> fields[] = {
        {&CxLNBaseUtil::SetServerName, &CxLNBaseUtil::GetServerName},
        {&CxLNBaseUtil::SetUserName, &CxLNBaseUtil::GetUserName},
        {&CxLNBaseUtil::SetPassword, &CxLNBaseUtil::GetPassword},
        {&CxLNBaseUtil::SetMailDBName, &CxLNBaseUtil::GetMailDBName},
        {&CxLNBaseUtil::SetTempFilePath, &CxLNBaseUtil::GetTempFilePath},
        {&CxLNBaseUtil::SetFileName, &CxLNBaseUtil::GetFileName},
        {&CxLNBaseUtil::SetParamFile, &CxLNBaseUtil::GetParamFile},
        {&CxLNBaseUtil::SetErrorFile, &CxLNBaseUtil::GetErrorFile},
        {&CxLNBaseUtil::SetStatusFile, &CxLNBaseUtil::GetStatusFile},
        {&CxLNBaseUtil::SetDebugPath, &CxLNBaseUtil::GetDebugPath},
        {&CxLNBaseUtil::SetDebugFile, &CxLNBaseUtil::GetDebugFile},
        {&CxLNBaseUtil::SetIDFile, &CxLNBaseUtil::GetIDFile},
    };
    for (const auto& field : fields) {
        (util.*field.first)(longText.c_str());
        EXPECT_EQ(std::string((util.*field.second)()), longText.substr(0, 255));
        (util.*field.first)("");
        EXPECT_STREQ((util.*field.second)(), "");
        (util.*field.first)("x");
        (util.*field.first)(nullptr);
        EXPECT_STREQ((util.*field.second)(), "");
    }
    util.SetDebugLevel(9);
    EXPECT_EQ(util.GetDebugLevel(), 9);
    util.EnableDebug(true);
    EXPECT_TRUE(util.IsDebugEnabled());
}

TEST(BaseUtil, LocalNameKeepsOnNull) {
    CxLNAddrUtil util;
    const std::string longName(300, 'n');
    util.SetLocalName(longName.c_str());
    EXPECT_EQ(std::string(util.GetLocalName()), longName.substr(0, 259));
    util.SetLocalName("names.nsf");
    util.SetLocalName(nullptr);
    EXPECT_STREQ(util.GetLocalName(), "names.nsf");
    util.SetLocalName("");
    EXPECT_STREQ(util.GetLocalName(), "");
}

TEST(BaseUtil, ReferenceRecords) {
    CxLNNoteUtil util;
    EXPECT_EQ(util.GetNextRefRecord(), nullptr);
    util.AddRefRecord(nullptr);
    EXPECT_EQ(util.GetFirstRefRecord(), nullptr);
    void* a = std::malloc(8);
    void* b = std::malloc(16);
    util.AddRefRecord(a);
    util.AddRefRecord(b);
    EXPECT_EQ(util.GetFirstRefRecord(), a);
    EXPECT_EQ(util.GetNextRefRecord(), b);
    EXPECT_EQ(util.GetNextRefRecord(), nullptr);
    EXPECT_EQ(util.GetLastRefRecord(), b);
    EXPECT_EQ(util.GetPrevRefRecord(), a);
    EXPECT_EQ(util.GetPrevRefRecord(), nullptr);
    // The subclass clear leaves them; the blocks go with the object.
    util.ClearAll();
    EXPECT_EQ(util.GetFirstRefRecord(), a);
}

TEST(BaseUtil, ClearKeepsFilesDestroyRemovesThem) {
    TempDir dir;
    {
        CxLNAddrUtil util;
        util.SetTempFilePath(dir.Folder().c_str());
        WriteFile(dir.File("LNAddrStatus.dat"), "Loading\r\n");
        WriteFile(dir.File("LNAddrErr.dat"), "[Error]\r\n");
        WriteFile(dir.File("LNAddr.dat"), std::string(4, '\0'));
        EXPECT_TRUE(util.ClearAll());
        EXPECT_TRUE(FileExists(dir.File("LNAddrStatus.dat")));
        EXPECT_TRUE(FileExists(dir.File("LNAddrErr.dat")));
    }
    EXPECT_FALSE(FileExists(dir.File("LNAddrStatus.dat")));
    EXPECT_FALSE(FileExists(dir.File("LNAddrErr.dat")));
    EXPECT_TRUE(FileExists(dir.File("LNAddr.dat")));
}

TEST(BaseUtil, EmptyFileNamesNeverRemoveTheFolder) {
    TempDir dir;
    const std::string sub = dir.File("empty");
    ASSERT_EQ(::mkdir(sub.c_str(), 0700), 0);
    {
        CxLNTaskUtil util;
        util.SetTempFilePath((sub + "/").c_str());
        util.SetStatusFile("");
        util.SetErrorFile(nullptr);
    }
    EXPECT_TRUE(FileExists(sub));
}

} // namespace

namespace {

class ErrorInfoAddr : public CxLNAddrUtil {
public:
    using CxLNAddrUtil::_UpdateErrorInfo;
};

long long BytesRead() {
    const std::string io = testsupport::ReadFile("/proc/self/io");
    const std::size_t at = io.find("rchar: ");
    return at == std::string::npos ? -1 : std::atoll(io.c_str() + at + 7);
}

} // namespace

// A damaged error file of one huge line costs the front end its buffer only.
TEST(BaseUtil, AHugeErrorTextIsReadUpToItsBuffer) {
    TempDir dir;
    WriteFile(dir.File("LNAddrErr.dat"),
              "[Error]\r\nError.Count=1\r\nError.1=" + std::string(64u << 20, 'e'));
    ErrorInfoAddr util;
    util.SetTempFilePath(dir.Folder().c_str());
    const long long before = BytesRead();
    EXPECT_TRUE(util._UpdateErrorInfo());
    EXPECT_LT(BytesRead() - before, 1 << 20);
    EXPECT_TRUE(util.HasError());
    EXPECT_EQ(std::string(util.GetLastErrorMsg()), std::string(1023, 'e'));
}
