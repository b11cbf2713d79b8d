// A helper host reads its run from the parameter file (library build).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNParamParser.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxDebugUtil.h"
#include "tests/lotus/LotusBytes.h"

using lotustest::Int;
using lotustest::Text;
using testsupport::IsolatedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::string TextItem(int32_t id, const std::string& text) {
    return Int(id) + Int(8) + Text(text);
}

std::string ParamFile(const std::vector<std::pair<int32_t, std::string>>& items) {
    std::string bytes = Int(static_cast<int32_t>(items.size()));
    for (const auto& item : items)
        bytes += TextItem(item.first, item.second);
    return bytes;
}

TEST(ReadParamFile, ContactsReadWhatTheWizardWrote) {
    IsolatedEnv env;
    TempDir dir;
    lotustest::LogInto log(dir);
    CxLNAddrUtil writer;
    writer.SetTempFilePath(dir.Folder().c_str());
    writer.SetServerName("Srv/Org");
    writer.SetUserName("Ann Smith");
    writer.SetPassword("pw");
    writer.SetLocalName("/data/names.nsf");
    writer.SetIDFile("/ids/ann.id");
    writer.SetDebugPath(dir.Folder().c_str());
    writer.SetDebugLevel(1);
    writer.EnableDebug(true);
    ASSERT_TRUE(writer.WriteParamFile());

    CxLNAddrUtil reader;
    ASSERT_TRUE(reader.ReadParamFile(dir.File("LNAddrParam.dat").c_str()));
    EXPECT_STREQ(reader.GetServerName(), "Srv/Org");
    EXPECT_STREQ(reader.GetUserName(), "Ann Smith");
    EXPECT_STREQ(reader.GetPassword(), "pw");
    EXPECT_STREQ(reader.GetLocalName(), "/data/names.nsf");
    EXPECT_STREQ(reader.GetIDFile(), "/ids/ann.id");
    EXPECT_STREQ(reader.GetTempFilePath(), dir.Folder().c_str());
    EXPECT_EQ(reader.GetDebugLevel(), 1);
    EXPECT_TRUE(reader.IsDebugEnabled());
    EXPECT_EQ(GetDebugUtil()->GetLevel(), 1);
    EXPECT_TRUE(GetDebugUtil()->IsEnabled());
}

TEST(ReadParamFile, LongTextsAreCutToTheirMembers) {
    IsolatedEnv env;
    TempDir dir;
    lotustest::LogInto log(dir);
    const std::string longText(1023, 'L');
    WriteFile(dir.File("p.dat"), ParamFile({{1000, longText},
                                            {1001, longText},
                                            {1009, longText},
                                            {1014, longText},
                                            {1010, dir.Folder()}}));
    CxLNAddrUtil util;
    ASSERT_TRUE(util.ReadParamFile(dir.File("p.dat").c_str()));
    EXPECT_EQ(std::string(util.GetServerName()), longText.substr(0, 255));
    EXPECT_EQ(std::string(util.GetUserName()), longText.substr(0, 255));
    EXPECT_EQ(std::string(util.GetLocalName()), longText.substr(0, 259));
    EXPECT_EQ(std::string(util.GetIDFile()), longText.substr(0, 255));
}

TEST(ReadParamFile, DebugLevelIsClampedOnlyInTheLogWriter) {
    IsolatedEnv env;
    TempDir dir;
    lotustest::LogInto log(dir);
    const std::pair<const char*, int> cases[] = {{"7", 3}, {"-2", 0}, {"2", 2}};
    for (const auto& c : cases) {
        WriteFile(dir.File("p.dat"), ParamFile({{1012, c.first}, {1010, dir.Folder()}}));
        CxLNTaskUtil util;
        util.SetMailDBName("mail/x.nsf");
        ASSERT_TRUE(util.ReadParamFile(dir.File("p.dat").c_str()));
        EXPECT_EQ(util.GetDebugLevel(), std::atoi(c.first));
        EXPECT_EQ(GetDebugUtil()->GetLevel(), c.second);
    }
}

TEST(ReadParamFile, MissingItemsKeepMembersAndNumbersCountZero) {
    IsolatedEnv env;
    TempDir dir;
    lotustest::LogInto log(dir);
    WriteFile(dir.File("p.dat"), ParamFile({{1002, ""}, {1010, dir.Folder()}}));
    CxLNAddrUtil util;
    util.SetServerName("kept");
    util.SetPassword("old");
    ASSERT_TRUE(util.ReadParamFile(dir.File("p.dat").c_str()));
    EXPECT_STREQ(util.GetServerName(), "kept");
    EXPECT_STREQ(util.GetPassword(), "");
    EXPECT_EQ(util.GetMode(), 0);
    EXPECT_EQ(util.GetDebugLevel(), 0);
    EXPECT_FALSE(util.IsDebugEnabled());
}

TEST(ReadParamFile, RefusesWithoutAFile) {
    TempDir dir;
    CxLNDateUtil util;
    util.SetServerName("kept");
    EXPECT_FALSE(util.ReadParamFile(nullptr));
    EXPECT_FALSE(util.ReadParamFile(""));
    EXPECT_FALSE(util.ReadParamFile(dir.File("none.dat").c_str()));
    EXPECT_STREQ(util.GetServerName(), "kept");
}

TEST(ReadParamFile, CalendarNeedsAMailDatabaseOrAUser) {
    IsolatedEnv env;
    TempDir dir;
    lotustest::LogInto log(dir);
    WriteFile(dir.File("none.dat"), ParamFile({{1008, ""}, {1001, ""}, {1010, dir.Folder()}}));
    WriteFile(dir.File("mail.dat"), ParamFile({{1008, "mail/ann.nsf"}, {1010, dir.Folder()}}));
    CxLNDateUtil util;
    EXPECT_FALSE(util.ReadParamFile(dir.File("none.dat").c_str()));
    ASSERT_TRUE(util.ReadParamFile(dir.File("mail.dat").c_str()));
    EXPECT_STREQ(util.GetMailDBName(), "mail/ann.nsf");
    CxLNNoteUtil note;
    EXPECT_FALSE(note.ReadParamFile(dir.File("none.dat").c_str()));
}

TEST(ReadParamFile, IDFileDefaultsToTheNotesFolder) {
    IsolatedEnv env;
    TempDir dir;
    lotustest::LogInto log(dir);
    WriteFile(dir.File("p.dat"),
              ParamFile({{1008, "mail/a.nsf"}, {1014, ""}, {1010, dir.Folder()}}));
    CxLNTaskUtil without;
    ASSERT_TRUE(without.ReadParamFile(dir.File("p.dat").c_str()));
    EXPECT_STREQ(without.GetIDFile(), "");

    WriteFile(env.Registry(),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes]\r\nPath=/opt/notes/\r\n");
    CxLNTaskUtil with;
    ASSERT_TRUE(with.ReadParamFile(dir.File("p.dat").c_str()));
    EXPECT_STREQ(with.GetIDFile(), "/opt/notes/Data/user.id");

    CxLNNoteUtil note;
    ASSERT_TRUE(note.ReadParamFile(dir.File("p.dat").c_str()));
    EXPECT_STREQ(note.GetIDFile(), "");
}

TEST(ReadParamFile, OnlyTheNotesKindSetsTheLogFileName) {
    IsolatedEnv env;
    TempDir dir;
    lotustest::LogInto log(dir);
    WriteFile(
        dir.File("p.dat"),
        ParamFile({{1008, "m.nsf"}, {1011, "helper.log"}, {1010, dir.Folder()}, {1005, "2"}}));
    CxLNDateUtil date;
    ASSERT_TRUE(date.ReadParamFile(dir.File("p.dat").c_str()));
    EXPECT_EQ(date.GetMode(), 2);
    EXPECT_STREQ(date.GetDebugFile(), "helper.log");
    EXPECT_STREQ(GetDebugUtil()->GetFileName(), "appdebug.log");
    CxLNNoteUtil note;
    ASSERT_TRUE(note.ReadParamFile(dir.File("p.dat").c_str()));
    EXPECT_STREQ(GetDebugUtil()->GetFileName(), "helper.log");
}

TEST(DatabaseSide, NotesKindDoesNothingAndSucceeds) {
    CxLNNoteUtil note;
    CxLNBaseUtil& base = note;
    EXPECT_TRUE(base.LoadFromDB());
    EXPECT_TRUE(base.SaveToDB());
}

} // namespace
