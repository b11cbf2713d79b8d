// Loading Appointment documents of the mail database into calendar records.
#include "MailDBFixture.h"

#include <cstring>
#include <unistd.h>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/exchange/CxLNParamParser.h"
#include "common/misc/CxList.h"

namespace {

std::vector<tagCxLNDateRec> Records(CxLNDateUtil& util) {
    std::vector<tagCxLNDateRec> recs;
    for (tagCxLNDateRec* rec = util.GetFirstRec(); rec; rec = util.GetNextRec())
        recs.push_back(*rec);
    return recs;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

class DateLoadTest : public MailDBTest {
protected:
    DateLoadTest() { Configure(&m_util); }
    TestDateUtil m_util;
};

TEST_F(DateLoadTest, LoadReadsTheItemsOfAppointmentDocuments) {
    const double start = VariantOf(2024, 3, 5, 9, 30, 0), end = VariantOf(2024, 3, 5, 10, 0, 0);
    NOTEID repeating = AddNote(
        [&](NOTEHANDLE note) {
            AppendText(note, "$PublicAccess", "0");
            AppendText(note, "subject", "Weekly sync");
            AppendText(note, "Location", "Room 4");
            AppendTime(note, "StartDateTime", start);
            AppendTime(note, "EndDateTime", end);
            AppendText(note, "StartTimeZone", "Z=-1$ZN=W. Europe");
            AppendText(note, "Repeats", "1");
            AppendText(note, "RepeatUnit", "W");
            AppendText(note, "RepeatInterval", "2");
            AppendDate(note, "RepeatUntil", 2024, 12, 31);
            AppendNumber(note, "txtNum", 1);
            AppendNumber(note, "RepeatFor", 7);
            AppendText(note, "$CSFlags", "c");
            AppendText(note, "AppointmentType", "3");
            AppendRichText(note, "Body", "Agenda:\r\n1. Budget\r\nRegards");
        },
        "Appointment");
    NOTEID response = AddNote(
        [](NOTEHANDLE note) {
            AppendText(note, "Subject", "Re: sync");
            AppendText(note, "$PublicAccess", "1");
            AppendText(note, "Body", std::string("plain\0tail", 10));
            AppendText(note, "$REF", "parent");
        },
        "Appointment");
    NOTEID bare =
        AddNote([](NOTEHANDLE note) { AppendText(note, "Subject", "Bare"); }, "appointment");
    AddNote([](NOTEHANDLE note) { AppendText(note, "Subject", "A task"); }, "Task");

    ASSERT_TRUE(m_util.LoadFromDB()) << m_log.Text();
    const std::vector<tagCxLNDateRec> recs = Records(m_util);
    ASSERT_EQ(recs.size(), 3u);

    const tagCxLNDateRec& r = recs[0];
    EXPECT_EQ(std::string(r.szID), std::to_string(repeating));
    EXPECT_STREQ(r.szSubject, "Weekly sync");
    EXPECT_STREQ(r.szLocation, "Room 4");
    EXPECT_DOUBLE_EQ(r.dtStartDateTime, start);
    EXPECT_DOUBLE_EQ(r.dtEndDateTime, end);
    EXPECT_STREQ(r.szStartTimeZone, "Z=-1$ZN=W. Europe");
    EXPECT_STREQ(r.szRepeats, "1");
    EXPECT_STREQ(r.szRepeatUnit, "W");
    EXPECT_STREQ(r.szRepeatInterval, "2");
    EXPECT_DOUBLE_EQ(r.dtRepeatUntil, VariantOf(2024, 12, 31));
    EXPECT_EQ(r.nRepeatFor, 7);
    EXPECT_STREQ(r.szCSFlags, "c");
    EXPECT_STREQ(r.szAppointmentType, "3");
    EXPECT_STREQ(r.szBody, "Agenda:\r\n1. Budget\r\nRegards");
    EXPECT_EQ(r.bPrivate, 1);
    EXPECT_EQ(r.bResponse, 0);

    EXPECT_EQ(std::string(recs[1].szID), std::to_string(response));
    EXPECT_STREQ(recs[1].szBody, "plain");
    EXPECT_EQ(recs[1].bPrivate, 0);
    EXPECT_EQ(recs[1].bResponse, 1);
    EXPECT_EQ(recs[1].nRepeatFor, 0);

    // Without "$PublicAccess" an entry stays public.
    EXPECT_EQ(std::string(recs[2].szID), std::to_string(bare));
    EXPECT_EQ(recs[2].bPrivate, 0);

    const std::string log = m_log.Text();
    for (const char* line :
         {"Switch To User ID:jdoe.id", "Open Lotus Notes Calendar database: mail/jdoe.nsf",
          "Search Notes calendar database...", "Close Notes calendar database successfully."})
        EXPECT_TRUE(Contains(log, line)) << line;
    EXPECT_FALSE(Contains(log, "Can not switch"));
    EXPECT_STREQ(m_util.GetUserName(), kIDUser);
    EXPECT_EQ(testsupport::ReadFile(m_temp.File("LNDateStatus.dat")),
              "Search Lotus Notes Calendar database...\r\n");
    EXPECT_FALSE(CxLNApi::IsStarted());
}

TEST_F(DateLoadTest, AWrongPasswordStopsTheLoad) {
    AddNote([](NOTEHANDLE note) { AppendText(note, "Subject", "Not for others"); }, "Appointment");
    m_util.SetUserName("jdoe");
    m_util.SetPassword("secret-1");
    m_util.InitErrorReport();
    ASSERT_FALSE(m_util.LoadFromDB()) << m_log.Text();
    EXPECT_EQ(m_util.GetRecList()->GetCount(), 0);
    const std::string failure = "Can not switch to user ID file: jdoe.id, error code=" +
                                std::to_string(ERR_SECURE_BADPASSWORD) +
                                "; message=Wrong Password. (Passwords are case sensitive)";
    EXPECT_TRUE(Contains(m_log.Text(), failure)) << m_log.Text();
    EXPECT_EQ(ErrorValue("LNDateErr.dat", "Error.1"), failure);
    EXPECT_FALSE(Contains(m_log.Text(), "Open Lotus Notes Calendar database:"));
    EXPECT_STREQ(m_util.GetUserName(), "jdoe");
    EXPECT_FALSE(CxLNApi::IsStarted());
}

TEST_F(DateLoadTest, WithoutAPasswordAFailedSwitchGoesOnAndSaysAsWhom) {
    AddNote([](NOTEHANDLE note) { AppendText(note, "Subject", "Still loaded"); }, "Appointment");
    m_folder.WriteIni(std::string(testsupport::kDataIni) + "KeyFilename=" + kIDFile + "\r\n");
    m_util.SetIDFile("missing.id");
    m_util.SetPassword("");
    m_util.InitErrorReport();
    ASSERT_TRUE(m_util.LoadFromDB()) << m_log.Text();
    ASSERT_EQ(m_util.GetRecList()->GetCount(), 1);
    EXPECT_EQ(ErrorValue("LNDateErr.dat", "Error.Count"), "0");
    const std::string notice = ErrorValue("LNDateErr.dat", "Notice");
    EXPECT_EQ(notice, std::string("The ID file missing.id was not used (File does not exist); "
                                  "Lotus Notes was used as its current user ") +
                          kIDUser + ".");
}

TEST_F(DateLoadTest, TheApiStartFailureIsReportedAsAnError) {
    ASSERT_EQ(unlink(m_folder.Dir().File("libnotes.so").c_str()), 0);
    m_util.InitErrorReport();
    EXPECT_FALSE(m_util.LoadFromDB());
    EXPECT_EQ(ErrorValue("LNDateErr.dat", "Error.Count"), "1");
    EXPECT_TRUE(Contains(ErrorValue("LNDateErr.dat", "Error.1"),
                         "Failed to initialize Notes API. Can not load Lotus Notes library "
                         "./libnotes.so: "));
    EXPECT_TRUE(Contains(m_log.Text(), "Failed to initialize Notes API."));
}

TEST_F(DateLoadTest, AMissingDatabaseIsReportedWithItsStatusTextAndWhereNotesLooked) {
    m_util.SetMailDBName("mail/nobody.nsf");
    m_util.InitErrorReport();
    EXPECT_FALSE(m_util.LoadFromDB());
    const std::string line = "Can not open Lotus Notes Calendar file: mail/nobody.nsf, "
                             "error code=259; message=File does not exist";
    EXPECT_TRUE(Contains(m_log.Text(), line + "\r\n")) << m_log.Text();
    EXPECT_EQ(ErrorValue("LNDateErr.dat", "Error.Count"), "1");
    EXPECT_EQ(ErrorValue("LNDateErr.dat", "Error.1"),
              line + "; a relative path is looked for in the Lotus Notes data folder " +
                  m_folder.Dir().File("Data"));
    EXPECT_FALSE(CxLNApi::IsStarted());
}

TEST_F(DateLoadTest, LoadWithoutDatabaseNameDoesNothing) {
    m_util.SetMailDBName("");
    EXPECT_FALSE(m_util.LoadFromDB());
    EXPECT_FALSE(testsupport::FileExists(m_temp.File("LNDateStatus.dat")));
}

TEST_F(DateLoadTest, SeededEntriesLoadWithTheirPrivacyRepeatsAndBodies) {
    ASSERT_EQ(Notesdb("seed Data/mail/jdoe.nsf appointments 24"), 0);
    ASSERT_TRUE(m_util.LoadFromDB()) << m_log.Text();
    const std::vector<tagCxLNDateRec> recs = Records(m_util);
    ASSERT_EQ(recs.size(), 24u);
    int bodies = 0, repeating = 0, responses = 0;
    for (const tagCxLNDateRec& rec : recs) {
        const Dump dump = DumpNote(static_cast<NOTEID>(std::stoul(rec.szID)));
        EXPECT_EQ(rec.bPrivate, TextOf(dump, "$PublicAccess") == "1" ? 0 : 1) << rec.szID;
        EXPECT_EQ(rec.bResponse, FindItem(dump, "$REF") ? 1 : 0) << rec.szID;
        if (const DumpedItem* repeatFor = FindItem(dump, "RepeatFor")) {
            NUMBER number = 0;
            std::memcpy(&number, repeatFor->value.data(), sizeof number);
            EXPECT_EQ(rec.nRepeatFor, static_cast<int>(number));
            ++repeating;
        }
        if (FindItem(dump, "Body")) {
            EXPECT_EQ(std::string(rec.szBody).rfind("Agenda for entry ", 0), 0u) << rec.szBody;
            EXPECT_TRUE(Contains(rec.szBody, ":\r\n1. Item "));
            ++bodies;
        }
        responses += rec.bResponse;
    }
    EXPECT_GT(bodies, 0);
    EXPECT_GT(repeating, 0);
    EXPECT_GT(responses, 0);
}

// The mail database named by the user and the server through the parameter file.
struct ServerCase {
    const char* name;
    const char* server;
    const char* subject; // of the entry found; null: the database does not open
};

class DateServerTest : public MailDBTest, public ::testing::WithParamInterface<ServerCase> {};

TEST_P(DateServerTest, TheMailDatabaseIsDerivedFromTheUserName) {
    AddNote([](NOTEHANDLE note) { AppendText(note, "Subject", "local"); }, "Appointment");
    AddNote([](NOTEHANDLE note) { AppendText(note, "Subject", "on Alpha"); }, "Appointment",
            "Alpha/Org!!mail/jdoe.nsf");

    CxLNParamParser parser;
    SetTextParam(&parser, LN_PARAM_SERVER_NAME, GetParam().server);
    SetTextParam(&parser, LN_PARAM_USER_NAME, "jdoe");
    SetTextParam(&parser, LN_PARAM_ID_FILE, kIDFile);
    SetTextParam(&parser, LN_PARAM_PASSWORD, kPassword);
    SetTextParam(&parser, LN_PARAM_TEMP_PATH, m_temp.Folder().c_str());
    SetTextParam(&parser, LN_PARAM_DEBUG_LEVEL, "3");
    SetTextParam(&parser, LN_PARAM_DEBUG_ENABLED, "1");
    SetTextParam(&parser, LN_PARAM_DEBUG_PATH, GetDebugUtil()->GetPath());
    const std::string params = m_temp.File("LNDateParam.dat");
    ASSERT_TRUE(parser.SaveToFile(params.c_str()));

    TestDateUtil util;
    ASSERT_TRUE(util.ReadParamFile(params.c_str()));
    const std::string path = *GetParam().server ? std::string(GetParam().server) + "!!mail/jdoe.nsf"
                                                : std::string("mail/jdoe.nsf");
    EXPECT_EQ(util.GetMailDBName(), path);
    EXPECT_TRUE(Contains(m_log.Text(), "Constructed Mail DB Name: " + path));

    const bool loaded = util.LoadFromDB();
    if (GetParam().subject) {
        ASSERT_TRUE(loaded) << m_log.Text();
        ASSERT_NE(util.GetFirstRec(), nullptr);
        EXPECT_STREQ(util.GetFirstRec()->szSubject, GetParam().subject);
        EXPECT_TRUE(Contains(m_log.Text(), "Open Lotus Notes Calendar database: " + path));
    } else {
        EXPECT_FALSE(loaded);
        EXPECT_TRUE(Contains(m_log.Text(),
                             "Can not open Lotus Notes Calendar file: " + path + ", error code=" +
                                 std::to_string(ERR_SERVER_NOT_RESPONDING) + "; message="))
            << m_log.Text();
        EXPECT_EQ(util.GetRecList()->GetCount(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Servers, DateServerTest,
                         ::testing::Values(ServerCase{"local", "", "local"},
                                           ServerCase{"mapped", "Alpha/Org", "on Alpha"},
                                           ServerCase{"unmapped", "Beta/Org", nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });
