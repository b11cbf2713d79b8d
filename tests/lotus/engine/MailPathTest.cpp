// The mail database path of calendar, tasks and notes, derived while the
// parameter file is read.
#include <gtest/gtest.h>

#include <string>

#include "NotesFolder.h"
#include "TestSupport.h"
#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNParamParser.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxDebugUtil.h"
#include "tests/lotus/LogCapture.h"

using testsupport::NotesFolder;

namespace {

struct MailCase {
    const char* name;
    bool withLibrary;
    std::string server;
    const char* mailDB;
    std::string expected;
    std::string logLine; // of the calendar kind
};

std::string LongServer() {
    return std::string(250, 's');
}

class MailPathTest : public ::testing::TestWithParam<MailCase> {
protected:
    MailPathTest() : m_folder(GetParam().withLibrary ? NOTES_LIBRARY : "") {
        m_oldLogPath = GetDebugUtil()->GetPath();
    }
    ~MailPathTest() override {
        CxLNApi::Stop();
        GetDebugUtil()->SetPath(m_oldLogPath.c_str());
        GetDebugUtil()->Enable(false);
    }

    std::string WriteParams() {
        CxLNParamParser parser;
        SetTextParam(&parser, LN_PARAM_SERVER_NAME, GetParam().server.c_str());
        SetTextParam(&parser, LN_PARAM_USER_NAME, "jdoe");
        SetTextParam(&parser, LN_PARAM_MAIL_DB, GetParam().mailDB);
        SetTextParam(&parser, LN_PARAM_DEBUG_LEVEL, "3");
        SetTextParam(&parser, LN_PARAM_DEBUG_ENABLED, "1");
        SetTextParam(&parser, LN_PARAM_DEBUG_PATH, m_log.Folder().c_str());
        SetTextParam(&parser, LN_PARAM_ID_FILE, "user.id");
        const std::string path = m_temp.File("Param.dat");
        EXPECT_TRUE(parser.SaveToFile(path.c_str()));
        return path;
    }

    testsupport::IsolatedEnv m_env;
    testsupport::TempDir m_log;
    NotesFolder m_folder;
    testsupport::TempDir m_temp;
    std::string m_oldLogPath;
};

std::string LogOf(const testsupport::TempDir& dir) {
    return testsupport::ReadFile(dir.File("appdebug.log"));
}

} // namespace

TEST_P(MailPathTest, CalendarDerivesAndLogsThePath) {
    CxLNDateUtil util;
    ASSERT_TRUE(util.ReadParamFile(WriteParams().c_str()));
    EXPECT_EQ(util.GetMailDBName(), GetParam().expected.substr(0, 255));
    EXPECT_NE(LogOf(m_log).find(GetParam().logLine), std::string::npos) << LogOf(m_log);
    EXPECT_FALSE(CxLNApi::IsStarted());
}

TEST_P(MailPathTest, TasksAndNotesDeriveTheSamePath) {
    CxLNTaskUtil tasks;
    ASSERT_TRUE(tasks.ReadParamFile(WriteParams().c_str()));
    EXPECT_EQ(tasks.GetMailDBName(), GetParam().expected.substr(0, 255));
    EXPECT_EQ(LogOf(m_log).find("Failed to call OSPathNetConstruct"), std::string::npos);
    CxLNNoteUtil notes;
    ASSERT_TRUE(notes.ReadParamFile(WriteParams().c_str()));
    EXPECT_EQ(notes.GetMailDBName(), GetParam().expected.substr(0, 255));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MailPathTest,
    ::testing::Values(MailCase{"local", true, "", "", "mail/jdoe.nsf",
                               "Constructed Mail DB Name: mail/jdoe.nsf"},
                      MailCase{"server", true, "Alpha/Org", "", "Alpha/Org!!mail/jdoe.nsf",
                               "Constructed Mail DB Name: Alpha/Org!!mail/jdoe.nsf"},
                      MailCase{"given", true, "Alpha", "mail/other.nsf", "mail/other.nsf",
                               "Input Mail DB Name = mail/other.nsf"},
                      MailCase{"no_library", false, "Alpha", "", "Alpha!!mail/jdoe.nsf",
                               "Failed to initialize Notes API."},
                      // Notes cuts a path that does not fit, as the engine's own would be.
                      MailCase{"too_long", true, LongServer(), "", LongServer() + "!!mail/jdoe.nsf",
                               "Constructed Mail DB Name: " + LongServer() + "!!mai\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });
