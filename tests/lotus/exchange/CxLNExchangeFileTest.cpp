// Exchange data files: byte layouts, round trips with linked common records,
// and files that are damaged or shorter than their header.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxList.h"
#include "tests/lotus/LotusBytes.h"

using lotustest::Date;
using lotustest::Int;
using lotustest::Repeat;
using lotustest::Text;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

template <class Util> class InFolder : public Util {
public:
    explicit InFolder(const TempDir& dir) { this->SetTempFilePath(dir.Folder().c_str()); }
};

template <class Rec> Rec Zeroed() {
    Rec rec;
    std::memset(&rec, 0, sizeof rec);
    return rec;
}

TEST(ExchangeFile, EmptyContactIs208Bytes) {
    TempDir dir;
    InFolder<CxLNAddrUtil> util(dir);
    tagCxLNAddrRec rec = Zeroed<tagCxLNAddrRec>();
    ASSERT_NE(util.AddRec(&rec), nullptr);
    ASSERT_TRUE(util.SaveToFile(nullptr));
    const std::string bytes = ReadFile(dir.File("LNAddr.dat"));
    EXPECT_EQ(bytes, Int(1) + Repeat(Int(0), 2 + 46) + Repeat(Date(0.0), 2));
    EXPECT_EQ(bytes.size(), 4u + 208u);
}

TEST(ExchangeFile, EmptyListWritesHeaderZeroAndLoadsEmpty) {
    TempDir dir;
    InFolder<CxLNTaskUtil> util(dir);
    ASSERT_TRUE(util.SaveToFile(""));
    EXPECT_EQ(ReadFile(dir.File("LNTask.dat")), Int(0));
    EXPECT_TRUE(util.LoadFromFile(nullptr));
    EXPECT_EQ(util.GetFirstRec(), nullptr);
}

TEST(ExchangeFile, CalendarWritesCSFlagsBeforeAppointmentType) {
    TempDir dir;
    InFolder<CxLNDateUtil> util(dir);
    tagCxLNDateRec rec = Zeroed<tagCxLNDateRec>();
    std::strcpy(rec.szAppointmentType, "0");
    std::strcpy(rec.szCSFlags, "c");
    rec.bPrivate = 1;
    rec.bResponse = 1; // not in the file
    rec.nRepeatFor = 7;
    util.AddRec(&rec);
    ASSERT_TRUE(util.SaveToFile(nullptr));
    const std::string expected = Int(1) + Int(0) + Int(0) + Repeat(Int(0), 8) +
                                 Repeat(Date(0.0), 6) + Repeat(Int(0), 4) + Date(0.0) + Int(0) +
                                 Date(0.0) + Int(0) + Int(7) + Int(0) + Date(0.0) + Text("c") +
                                 Text("0") + std::string("\x01\x00\x00\x00", 4);
    EXPECT_EQ(ReadFile(dir.File("LNDate.dat")), expected);

    InFolder<CxLNDateUtil> reader(dir);
    ASSERT_TRUE(reader.LoadFromFile(nullptr));
    const tagCxLNDateRec* back = reader.GetFirstRec();
    ASSERT_NE(back, nullptr);
    EXPECT_STREQ(back->szCSFlags, "c");
    EXPECT_STREQ(back->szAppointmentType, "0");
    EXPECT_EQ(back->bPrivate, 1);
    EXPECT_EQ(back->bResponse, 0);
}

TEST(ExchangeFile, FlagSlotTakesOnlyItsFirstByte) {
    TempDir dir;
    // A task: 2 int32, 5 texts, importance, then the private flag's slot.
    WriteFile(dir.File("LNTask.dat"), Int(1) + Int(0) + Int(0) + Repeat(Int(0), 5) + Int(2) +
                                          std::string("\x01\xFF\xFF\xFF", 4) + Int(0) +
                                          Repeat(Date(0.0), 3) + Int(0) + Int(0) +
                                          Repeat(Int(0), 3) + Int(0) + Int(0));
    InFolder<CxLNTaskUtil> util(dir);
    ASSERT_TRUE(util.LoadFromFile(nullptr));
    const tagCxLNTaskRec* rec = util.GetFirstRec();
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->bPrivate, 1);
    EXPECT_EQ(rec->bResponse, 0);
    EXPECT_EQ(rec->nImportance, 2);
    EXPECT_EQ(util.GetNextRec(), nullptr);
}

TEST(ExchangeFile, FullTextFieldRoundTrips) {
    TempDir dir;
    InFolder<CxLNAddrUtil> util(dir);
    tagCxLNAddrRec rec = Zeroed<tagCxLNAddrRec>();
    const std::string street(255, 'x');
    std::memcpy(rec.szBusinessStreet, street.data(), street.size());
    util.AddRec(&rec);
    ASSERT_TRUE(util.SaveToFile(nullptr));
    EXPECT_NE(ReadFile(dir.File("LNAddr.dat")).find(Text(street)), std::string::npos);

    InFolder<CxLNAddrUtil> reader(dir);
    ASSERT_TRUE(reader.LoadFromFile(nullptr));
    ASSERT_NE(reader.GetFirstRec(), nullptr);
    EXPECT_EQ(std::string(reader.GetFirstRec()->szBusinessStreet), street);
}

TEST(ExchangeFile, LongTextIsCutAndFollowingFieldsStayInStep) {
    TempDir dir;
    // szID holds 63 characters; the other 37 are dropped, then the first name follows.
    WriteFile(dir.File("LNAddr.dat"), Int(1) + Int(2) + Int(1) + Text(std::string(100, '7')) +
                                          Text("Ann") + Repeat(Int(0), 44) + Repeat(Date(0.0), 2));
    InFolder<CxLNAddrUtil> util(dir);
    ASSERT_TRUE(util.LoadFromFile(nullptr));
    const tagCxLNAddrRec* rec = util.GetFirstRec();
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(std::string(rec->szID), std::string(63, '7'));
    EXPECT_STREQ(rec->szFirstName, "Ann");
    EXPECT_EQ(rec->nAction, 2);
    EXPECT_EQ(rec->nOrigin, 1);
}

// Every kind: what is saved loads back equal, each Notes record linked with
// a common record built from it.
TEST(ExchangeFile, ContactsRoundTripLinked) {
    TempDir dir;
    InFolder<CxLNAddrUtil> writer(dir);
    tagCxLNAddrRec rec = Zeroed<tagCxLNAddrRec>();
    rec.nAction = 2;
    rec.nOrigin = 2;
    std::strcpy(rec.szID, "2310");
    std::strcpy(rec.szDisplayName, "Ann Smith");
    std::strcpy(rec.szHomePhone, "555-0100");
    std::strcpy(rec.szNote, "line 1\r\nline 2");
    rec.dtBirthday = 29221.5;
    writer.AddRec(&rec);
    std::strcpy(rec.szDisplayName, "Bob");
    writer.AddRec(&rec);
    ASSERT_TRUE(writer.SaveToFile("Other.dat"));

    InFolder<CxLNAddrUtil> reader(dir);
    ASSERT_TRUE(reader.LoadFromFile("Other.dat"));
    tagCxLNAddrRec* first = reader.GetFirstRec();
    ASSERT_NE(first, nullptr);
    rec.pCommRec = first->pCommRec;
    std::strcpy(rec.szDisplayName, "Ann Smith");
    EXPECT_EQ(std::memcmp(first, &rec, sizeof rec), 0);

    auto* comm = static_cast<tagCommAddrRec*>(first->pCommRec);
    ASSERT_NE(comm, nullptr);
    EXPECT_EQ(comm, reader.GetDataMgr()->GetFirstRec());
    EXPECT_EQ(comm->pUserData, first);
    EXPECT_EQ(comm->nUserDataSize, 0);
    EXPECT_STREQ(comm->szDisplayName, "Ann Smith");
    EXPECT_STREQ(comm->szHomePhone, "555-0100");
    EXPECT_EQ(comm->nSourceType, 9);

    tagCxLNAddrRec* second = reader.GetNextRec();
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(second->szDisplayName, "Bob");
    EXPECT_EQ(static_cast<tagCommAddrRec*>(second->pCommRec)->pUserData, second);
    EXPECT_EQ(reader.GetNextRec(), nullptr);
}

TEST(ExchangeFile, CalendarRoundTripLinked) {
    TempDir dir;
    InFolder<CxLNDateUtil> writer(dir);
    tagCxLNDateRec rec = Zeroed<tagCxLNDateRec>();
    std::strcpy(rec.szSubject, "Review");
    std::strcpy(rec.szBody, std::string(20479, 'b').c_str());
    std::strcpy(rec.szRepeats, "1");
    std::strcpy(rec.szRepeatUnit, "W");
    std::strcpy(rec.szRepeatInterval, "2");
    std::strcpy(rec.szRepeatAdjust, "3");
    rec.dtStartDateTime = 39146.375; // 5 March 2007 09:00
    rec.dtEndDateTime = 39146.4375;
    rec.dtRepeatUntil = 39200.0;
    rec.nRepeatFor = 5;
    rec.bPrivate = 1;
    writer.AddRec(&rec);
    ASSERT_TRUE(writer.SaveToFile(nullptr));

    InFolder<CxLNDateUtil> reader(dir);
    ASSERT_TRUE(reader.LoadFromFile(nullptr));
    tagCxLNDateRec* back = reader.GetFirstRec();
    ASSERT_NE(back, nullptr);
    rec.pCommRec = back->pCommRec;
    EXPECT_EQ(std::memcmp(back, &rec, sizeof rec), 0);
    auto* comm = static_cast<tagCommDateRec*>(back->pCommRec);
    ASSERT_NE(comm, nullptr);
    EXPECT_EQ(comm->pUserData, back);
    EXPECT_STREQ(comm->szDescription, "Review");
    EXPECT_EQ(std::strlen(comm->szNote), 8191u);
    EXPECT_EQ(comm->stStart.wHour, 9);
    EXPECT_EQ(comm->stEnd.wHour, 10);
    EXPECT_EQ(comm->nRepeatKind, 2);
    EXPECT_EQ(comm->nRepeatInterval, 2);
    EXPECT_EQ(comm->nRepeatWeekday, 3);
    EXPECT_EQ(comm->nPrivate, 1);
    EXPECT_EQ(comm->nSource, 9);
}

TEST(ExchangeFile, TasksRoundTripLinked) {
    TempDir dir;
    InFolder<CxLNTaskUtil> writer(dir);
    tagCxLNTaskRec rec = Zeroed<tagCxLNTaskRec>();
    std::strcpy(rec.szSubject, "Call back");
    std::strcpy(rec.szAlarmString, "soon");
    std::strcpy(rec.szRepeatUnit, "D"); // stays in memory only
    rec.nImportance = 0;
    rec.nAlarmOffset = -5;
    rec.dtDueDate = 0.0;
    rec.bPrivate = 1;
    writer.AddRec(&rec);
    ASSERT_TRUE(writer.SaveToFile(nullptr));

    InFolder<CxLNTaskUtil> reader(dir);
    ASSERT_TRUE(reader.LoadFromFile(nullptr));
    tagCxLNTaskRec* back = reader.GetFirstRec();
    ASSERT_NE(back, nullptr);
    EXPECT_STREQ(back->szSubject, "Call back");
    EXPECT_STREQ(back->szAlarmString, "soon");
    EXPECT_STREQ(back->szRepeatUnit, "");
    EXPECT_EQ(back->nAlarmOffset, -5);
    EXPECT_EQ(back->bPrivate, 1);
    auto* comm = static_cast<tagCommTaskRec*>(back->pCommRec);
    ASSERT_NE(comm, nullptr);
    EXPECT_EQ(comm->pUserData, back);
    EXPECT_STREQ(comm->szSubject, "Call back");
    EXPECT_EQ(comm->nPriority, 1);
    EXPECT_EQ(comm->nDueDate, 0);
    EXPECT_EQ(comm->bPrivate, 1);
    EXPECT_EQ(comm->nSource, 9);
}

TEST(ExchangeFile, NotesFileHoldsOnlyItsCount) {
    TempDir dir;
    WriteFile(dir.File("LNNote.dat"), Int(3));
    InFolder<CxLNNoteUtil> util(dir);
    ASSERT_TRUE(util.LoadFromFile(nullptr));
    int count = 0;
    for (tagCxLNNoteRec* rec = util.GetFirstRec(); rec; rec = util.GetNextRec(), ++count) {
        EXPECT_EQ(rec->nAction, 0);
        auto* comm = static_cast<tagCommNoteRec*>(rec->pCommRec);
        ASSERT_NE(comm, nullptr);
        EXPECT_EQ(comm->pUserData, rec);
        tagCommNoteRec expected;
        std::memset(&expected, 0, sizeof expected);
        expected.nSource = 9;
        expected.pUserData = rec;
        EXPECT_EQ(std::memcmp(comm, &expected, sizeof expected), 0);
    }
    EXPECT_EQ(count, 3);
    ASSERT_TRUE(util.SaveToFile("Copy.dat"));
    EXPECT_EQ(ReadFile(dir.File("Copy.dat")), Int(3));
}

// Action and origin of each record, and whether the write-back acts on it.
struct WorkCase {
    int32_t action;
    int32_t origin;
    bool work;
};
const WorkCase kWork[] = {
    {LN_ACTION_NONE, LN_ORIGIN_LOADED, false},  {LN_ACTION_NONE, LN_ORIGIN_MODIFIED, false},
    {LN_ACTION_WRITE, LN_ORIGIN_NEW, true},     {LN_ACTION_WRITE, LN_ORIGIN_MODIFIED, true},
    {LN_ACTION_WRITE, LN_ORIGIN_LOADED, false}, {LN_ACTION_DELETE, LN_ORIGIN_MODIFIED, true},
    {LN_ACTION_DELETE, LN_ORIGIN_LOADED, true}, {7, LN_ORIGIN_NEW, false},
};

TEST(ExchangeFile, AWorkOnlyLoadKeepsTheRecordsTheWriteBackActsOn) {
    TempDir dir;
    InFolder<CxLNAddrUtil> writer(dir);
    tagCxLNAddrRec rec = Zeroed<tagCxLNAddrRec>();
    for (const WorkCase& c : kWork) {
        rec.nAction = c.action;
        rec.nOrigin = c.origin;
        std::snprintf(rec.szID, sizeof rec.szID, "%d-%d", c.action, c.origin);
        writer.AddRec(&rec);
    }
    ASSERT_TRUE(writer.SaveToFile(nullptr));
    InFolder<CxLNAddrUtil> all(dir), work(dir);
    ASSERT_TRUE(all.LoadFromFile(nullptr));
    ASSERT_TRUE(work.LoadFromFile(nullptr, true));
    EXPECT_EQ(all.GetRecList()->GetCount(), sizeof kWork / sizeof kWork[0]);
    tagCxLNAddrRec* kept = work.GetFirstRec();
    for (const WorkCase& c : kWork) {
        if (!c.work)
            continue;
        ASSERT_NE(kept, nullptr) << c.action << "-" << c.origin;
        EXPECT_EQ(kept->nAction, c.action);
        EXPECT_EQ(kept->nOrigin, c.origin);
        EXPECT_EQ(static_cast<tagCommAddrRec*>(kept->pCommRec)->pUserData, kept);
        kept = work.GetNextRec();
    }
    EXPECT_EQ(kept, nullptr);
    EXPECT_EQ(work.GetDataMgr()->GetRecords()->GetCount(), work.GetRecList()->GetCount());
}

TEST(ExchangeFile, LoadAppendsToWhatIsHeld) {
    TempDir dir;
    WriteFile(dir.File("LNNote.dat"), Int(2));
    InFolder<CxLNNoteUtil> util(dir);
    ASSERT_TRUE(util.LoadFromFile(nullptr));
    ASSERT_TRUE(util.LoadFromFile(nullptr));
    EXPECT_EQ(util.GetRecList()->GetCount(), 4u);
    EXPECT_EQ(util.GetDataMgr()->GetRecords()->GetCount(), 4u);
    EXPECT_TRUE(util.ClearAll());
    EXPECT_EQ(util.GetFirstRec(), nullptr);
    EXPECT_EQ(util.GetDataMgr()->GetFirstRec(), nullptr);
}

TEST(ExchangeFile, MissingFileFailsAndKeepsRecords) {
    TempDir dir;
    lotustest::LogInto log(dir);
    InFolder<CxLNAddrUtil> util(dir);
    tagCxLNAddrRec rec = Zeroed<tagCxLNAddrRec>();
    util.AddRec(&rec);
    EXPECT_FALSE(util.LoadFromFile("Missing.dat"));
    EXPECT_EQ(util.GetRecList()->GetCount(), 1u);
    const std::string text = log.Text();
    EXPECT_NE(text.find("Start loading Lotus Notes Contacts from temperary file: Missing.dat"),
              std::string::npos);
    EXPECT_NE(text.find("Failed to open file: " + dir.File("Missing.dat")), std::string::npos);
}

TEST(ExchangeFile, LogLinesOfLoadAndSave) {
    TempDir dir;
    lotustest::LogInto log(dir);
    InFolder<CxLNDateUtil> util(dir);
    tagCxLNDateRec rec = Zeroed<tagCxLNDateRec>();
    util.AddRec(&rec);
    util.AddRec(&rec);
    ASSERT_TRUE(util.SaveToFile(nullptr));
    ASSERT_TRUE(util.LoadFromFile(nullptr));
    const std::string text = log.Text();
    for (const char* line : {"Start saving Lotus Notes Calendar information to file: LNDate.dat",
                             "There are 2 Calendar records in total.",
                             "Save Lotus Notes Calendar information to file successfully.",
                             "Start loading Lotus Notes Calendar from temperary file: LNDate.dat",
                             "Load Lotus Notes Calendar information from file successfully."})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(ExchangeFile, WriteFailureIsReported) {
    if (!testsupport::FileExists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    TempDir dir;
    lotustest::LogInto log(dir);
    CxLNDateUtil util;
    util.SetTempFilePath("/dev/");
    tagCxLNDateRec rec = Zeroed<tagCxLNDateRec>();
    std::memset(rec.szBody, 'b', sizeof rec.szBody - 1);
    util.AddRec(&rec);
    EXPECT_FALSE(util.SaveToFile("full"));
    EXPECT_NE(log.Text().find("Failed to write file: /dev/full"), std::string::npos);
}

TEST(ExchangeFile, NotesKindLogsOnlyItsOpenFailure) {
    TempDir dir;
    lotustest::LogInto log(dir);
    InFolder<CxLNNoteUtil> util(dir);
    EXPECT_FALSE(util.LoadFromFile(nullptr));
    ASSERT_TRUE(util.SaveToFile(nullptr));
    util.SetTempFilePath(dir.File("no/such/").c_str());
    EXPECT_FALSE(util.SaveToFile(nullptr));
    const std::string text = log.Text();
    EXPECT_NE(text.find("Cannot load Lotus Notes Note records from temperary file: " +
                        dir.File("LNNote.dat")),
              std::string::npos);
    EXPECT_NE(text.find("Cannot save Lotus Notes Notes records to temperary file: " +
                        dir.File("no/such/LNNote.dat")),
              std::string::npos);
    EXPECT_EQ(text.find("records in total"), std::string::npos);
}

// A header that announces more than the file can hold fails at once; a file
// whose texts run past its end stops there, nothing is added past it, and the
// load says it failed.
struct DamagedCase {
    const char* name;
    std::string bytes;
    unsigned kept;
};

// Keeps the test names that CTest sees free of object bytes.
void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.name;
}

class DamagedContacts : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedContacts, StopsAtTheEnd) {
    TempDir dir;
    lotustest::LogInto log(dir);
    WriteFile(dir.File("LNAddr.dat"), GetParam().bytes);
    InFolder<CxLNAddrUtil> util(dir);
    EXPECT_FALSE(util.LoadFromFile(nullptr));
    EXPECT_EQ(util.GetRecList()->GetCount(), GetParam().kept);
    EXPECT_EQ(util.GetDataMgr()->GetRecords()->GetCount(), GetParam().kept);
    EXPECT_NE(log.Text().find("damaged"), std::string::npos);
}

const std::string kEmptyContact = Repeat(Int(0), 48) + Repeat(Date(0.0), 2);

INSTANTIATE_TEST_SUITE_P(
    Headers, DamagedContacts,
    ::testing::Values(
        DamagedCase{"HugeCountOnHeaderOnly", Int(2147483647), 0},
        DamagedCase{"TwoOfThree", Int(3) + kEmptyContact + kEmptyContact, 0},
        DamagedCase{"CutInsideSecond", Int(2) + kEmptyContact + kEmptyContact.substr(0, 100), 0},
        DamagedCase{"LongTextEatsTheSecond",
                    Int(2) + Int(0) + Int(0) + Int(300) + std::string(300, 'a') +
                        Repeat(Int(0), 45) + Repeat(Date(0.0), 2),
                    1},
        DamagedCase{"TextLongerThanFile", Int(1) + Int(0) + Int(0) + Int(2147483647) + "abc", 0}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return info.param.name; });

// Notes records take no bytes, so the 4-byte file cannot vouch for many: a
// damaged count must not cost gigabytes.
TEST(ExchangeFile, DamagedNotesCountIsRefused) {
    for (int32_t count : {2147483647, 100000, 1025}) {
        TempDir dir;
        lotustest::LogInto log(dir);
        WriteFile(dir.File("LNNote.dat"), Int(count));
        InFolder<CxLNNoteUtil> util(dir);
        EXPECT_FALSE(util.LoadFromFile(nullptr)) << count;
        EXPECT_EQ(util.GetFirstRec(), nullptr);
        EXPECT_NE(log.Text().find("cannot hold " + std::to_string(count) + " records"),
                  std::string::npos);
    }
    TempDir dir;
    WriteFile(dir.File("LNNote.dat"), Int(3));
    InFolder<CxLNNoteUtil> util(dir);
    EXPECT_TRUE(util.LoadFromFile(nullptr));
    EXPECT_EQ(util.GetRecList()->GetCount(), 3u);
}

TEST(ExchangeFile, NegativeCountLoadsNothing) {
    TempDir dir;
    WriteFile(dir.File("LNTask.dat"), Int(-4));
    InFolder<CxLNTaskUtil> util(dir);
    EXPECT_TRUE(util.LoadFromFile(nullptr));
    EXPECT_EQ(util.GetFirstRec(), nullptr);
}

TEST(Records, DelRecUnlinksBothSides) {
    TempDir dir;
    WriteFile(dir.File("LNNote.dat"), Int(2));
    InFolder<CxLNNoteUtil> util(dir);
    ASSERT_TRUE(util.LoadFromFile(nullptr));
    tagCxLNNoteRec* first = util.GetFirstRec();
    auto* keptComm = static_cast<tagCommNoteRec*>(util.GetLastRec()->pCommRec);
    util.DelRec(first);
    EXPECT_EQ(util.GetRecList()->GetCount(), 1u);
    EXPECT_EQ(util.GetDataMgr()->GetRecords()->GetCount(), 1u);
    EXPECT_EQ(util.GetDataMgr()->GetFirstRec(), keptComm);
    EXPECT_EQ(keptComm->pUserData, util.GetFirstRec());
}

TEST(Records, DelRecWithoutCommonRecordFreesOnlyTheRecord) {
    CxLNTaskUtil util;
    tagCxLNTaskRec rec = Zeroed<tagCxLNTaskRec>();
    tagCxLNTaskRec* added = util.AddRec(&rec);
    ASSERT_NE(added, nullptr);
    EXPECT_NE(added, &rec);
    util.DelRec(added);
    util.DelRec(nullptr);
    EXPECT_EQ(util.GetFirstRec(), nullptr);
}

TEST(Records, DelRecIgnoresRecordsItDoesNotHold) {
    CxLNDateUtil util;
    tagCxLNDateRec rec = Zeroed<tagCxLNDateRec>();
    util.AddRec(&rec);
    util.DelRec(&rec); // the caller's record, not the list's copy
    EXPECT_EQ(util.GetRecList()->GetCount(), 1u);
}

TEST(Records, WalksAndInitRec) {
    CxLNAddrUtil util;
    EXPECT_FALSE(CxLNAddrUtil::InitRec(nullptr));
    tagCxLNAddrRec rec;
    std::memset(&rec, 0x55, sizeof rec);
    ASSERT_TRUE(CxLNAddrUtil::InitRec(&rec));
    const tagCxLNAddrRec zero = Zeroed<tagCxLNAddrRec>();
    EXPECT_EQ(std::memcmp(&rec, &zero, sizeof rec), 0);
    EXPECT_EQ(util.AddRec(nullptr), nullptr);
    for (const char* id : {"1", "2", "3"}) {
        std::strcpy(rec.szID, id);
        util.AddRec(&rec);
    }
    EXPECT_STREQ(util.GetLastRec()->szID, "3");
    EXPECT_STREQ(util.GetPrevRec()->szID, "2");
    EXPECT_STREQ(util.GetFirstRec()->szID, "1");
    EXPECT_EQ(util.GetPrevRec(), nullptr);
    EXPECT_STREQ(util.GetNextRec()->szID, "2");
}

} // namespace
