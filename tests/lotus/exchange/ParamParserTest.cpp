// The parameter file: the parser, its byte layout, and what a data object
// writes for a helper run.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNParamParser.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "tests/lotus/LotusBytes.h"

using lotustest::Date;
using lotustest::Int;
using lotustest::Text;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::string TextItem(int32_t id, const std::string& text) {
    return Int(id) + Int(8) + Text(text);
}

std::string GetText(const CxLNParamParser& parser, int32_t id) {
    char text[1024] = "";
    int32_t type = 0;
    EXPECT_TRUE(parser.GetParam(id, text, sizeof text, &type));
    EXPECT_EQ(type, LN_PARAM_TEXT);
    return text;
}

unsigned Mode(const std::string& path) {
    struct stat st;
    EXPECT_EQ(stat(path.c_str(), &st), 0);
    return st.st_mode & 0777;
}

TEST(ParamParser, EveryTypeRoundTripsThroughItsBytes) {
    TempDir dir;
    CxLNParamParser parser;
    const int32_t n = -7;
    const double d = 2.5;
    const uint8_t b = 1;
    ASSERT_TRUE(parser.SetParam(1, &n, LN_PARAM_INT));
    ASSERT_TRUE(parser.SetParam(2, &d, LN_PARAM_DOUBLE));
    ASSERT_TRUE(parser.SetParam(3, "caf\xE9", LN_PARAM_TEXT));
    ASSERT_TRUE(parser.SetParam(4, &b, LN_PARAM_BOOL));
    ASSERT_TRUE(parser.SetParam(5, "", LN_PARAM_TEXT));
    EXPECT_FALSE(parser.SetParam(6, &n, 2));
    EXPECT_FALSE(parser.SetParam(7, nullptr, LN_PARAM_INT));
    ASSERT_TRUE(parser.SaveToFile(dir.File("p.dat").c_str()));
    EXPECT_EQ(ReadFile(dir.File("p.dat")), Int(5) + Int(1) + Int(3) + Int(-7) + Int(2) + Int(5) +
                                               Date(2.5) + TextItem(3, "caf\xE9") + Int(4) +
                                               Int(11) + Int(1) + TextItem(5, ""));

    CxLNParamParser reader;
    ASSERT_TRUE(reader.LoadFromFile(dir.File("p.dat").c_str()));
    EXPECT_STREQ(reader.GetParamPath(), dir.File("p.dat").c_str());
    int32_t n2 = 0;
    double d2 = 0;
    uint8_t b2 = 0;
    int32_t type = 0;
    EXPECT_TRUE(reader.GetParam(1, &n2, sizeof n2, &type));
    EXPECT_EQ(n2, -7);
    EXPECT_EQ(type, LN_PARAM_INT);
    EXPECT_TRUE(reader.GetParam(2, &d2, sizeof d2, &type));
    EXPECT_EQ(d2, 2.5);
    EXPECT_EQ(GetText(reader, 3), "caf\xE9");
    EXPECT_TRUE(reader.GetParam(4, &b2, sizeof b2, &type));
    EXPECT_EQ(b2, 1);
    EXPECT_EQ(type, LN_PARAM_BOOL);
    EXPECT_EQ(GetText(reader, 5), "");
    EXPECT_FALSE(reader.GetParam(9, &n2, sizeof n2, &type));
}

TEST(ParamParser, ReplacingKeepsPositionAndType) {
    CxLNParamParser parser;
    const int32_t one = 1;
    ASSERT_TRUE(SetTextParam(&parser, 10, "a"));
    ASSERT_TRUE(parser.SetParam(11, &one, LN_PARAM_INT));
    ASSERT_TRUE(SetTextParam(&parser, 10, "b"));
    EXPECT_FALSE(parser.SetParam(10, &one, LN_PARAM_INT));
    EXPECT_EQ(parser.GetCount(), 2u);
    EXPECT_EQ(GetText(parser, 10), "b");
    EXPECT_EQ(parser.FindParam(11)->nType, LN_PARAM_INT);
    EXPECT_EQ(parser.FindParam(12), nullptr);
    parser.ClearParams();
    EXPECT_EQ(parser.GetCount(), 0u);
}

TEST(ParamParser, GetParamRespectsTheDestinationSize) {
    CxLNParamParser parser;
    const std::string longText(1500, 'q');
    ASSERT_TRUE(SetTextParam(&parser, 1, longText.c_str()));
    char small[8];
    std::memset(small, 'z', sizeof small);
    int32_t type = 0;
    ASSERT_TRUE(parser.GetParam(1, small, sizeof small, &type));
    EXPECT_STREQ(small, "qqqqqqq");
    EXPECT_EQ(GetText(parser, 1), longText.substr(0, 1023));
    const int32_t n = 5;
    parser.SetParam(2, &n, LN_PARAM_INT);
    int16_t tooSmall = 0;
    EXPECT_FALSE(parser.GetParam(2, &tooSmall, sizeof tooSmall, &type));
}

TEST(ParamParser, ReadingSkipsUnknownTypesAndDropsTypeClashes) {
    TempDir dir;
    WriteFile(dir.File("p.dat"), Int(4) + Int(1) + Int(0) + TextItem(2, "two") + Int(2) + Int(3) +
                                     Int(9) + TextItem(3, std::string(2000, 'w')));
    CxLNParamParser parser;
    ASSERT_TRUE(parser.LoadFromFile(dir.File("p.dat").c_str()));
    EXPECT_EQ(parser.FindParam(1), nullptr);
    EXPECT_EQ(GetText(parser, 2), "two");
    EXPECT_EQ(GetText(parser, 3), std::string(1023, 'w'));
    EXPECT_EQ(parser.GetCount(), 2u);
}

TEST(ParamParser, MissingFileFails) {
    TempDir dir;
    CxLNParamParser parser;
    SetTextParam(&parser, 1, "kept");
    EXPECT_FALSE(parser.LoadFromFile(dir.File("none.dat").c_str()));
    EXPECT_EQ(GetText(parser, 1), "kept");
    EXPECT_FALSE(parser.SaveToFile(dir.File("no/such/p.dat").c_str()));
    // A path longer than the parser holds is refused rather than cut to another name.
    const std::string longPath = dir.File(std::string(300, 'p'));
    EXPECT_FALSE(parser.SaveToFile(longPath.c_str()));
    EXPECT_FALSE(parser.LoadFromFile(longPath.c_str()));
    EXPECT_STREQ(parser.GetParamPath(), dir.File("no/such/p.dat").c_str());
}

struct DamagedParams {
    const char* name;
    std::string bytes;
    unsigned kept;
};

// Keeps the test names that CTest sees free of object bytes.
void PrintTo(const DamagedParams& c, std::ostream* os) {
    *os << c.name;
}

class DamagedParamFile : public ::testing::TestWithParam<DamagedParams> {};

TEST_P(DamagedParamFile, StopsAtTheEnd) {
    TempDir dir;
    lotustest::LogInto log(dir);
    WriteFile(dir.File("p.dat"), GetParam().bytes);
    CxLNParamParser parser;
    EXPECT_FALSE(parser.LoadFromFile(dir.File("p.dat").c_str()));
    EXPECT_EQ(parser.GetCount(), GetParam().kept);
    EXPECT_NE(log.Text().find("is damaged: it "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, DamagedParamFile,
    ::testing::Values(
        DamagedParams{"HugeCountOnHeaderOnly", Int(2147483647), 0},
        // More items than the file can hold: refused before any is read.
        DamagedParams{"TwoOfFourteen", Int(14) + TextItem(1, "a") + TextItem(2, "b"), 0},
        DamagedParams{"ThreeOfFour",
                      Int(4) + TextItem(1, "a") + TextItem(2, "b") + TextItem(3, "c"), 3},
        DamagedParams{"CutInsideText",
                      Int(2) + TextItem(1, "a") + Int(2) + Int(8) + Int(50) + "short", 1}),
    [](const ::testing::TestParamInfo<DamagedParams>& info) { return info.param.name; });

TEST(ParamParser, FileIsPrivateEvenWhenItExisted) {
    TempDir dir;
    const std::string path = dir.File("p.dat");
    WriteFile(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);
    CxLNParamParser parser;
    SetTextParam(&parser, LN_PARAM_PASSWORD, "secret");
    ASSERT_TRUE(parser.SaveToFile(path.c_str()));
    EXPECT_EQ(Mode(path), 0600u);
    EXPECT_EQ(ReadFile(path), Int(1) + TextItem(LN_PARAM_PASSWORD, "secret"));
    ASSERT_TRUE(parser.SaveToFile(nullptr)); // the last path again
    EXPECT_EQ(Mode(path), 0600u);
}

// The items of a helper run's parameter file, in file order.
std::vector<std::pair<int32_t, std::string>> Items(const std::string& path) {
    CxLNParamParser parser;
    EXPECT_TRUE(parser.LoadFromFile(path.c_str()));
    std::vector<std::pair<int32_t, std::string>> items;
    for (int32_t id = 1000; id <= 1014; ++id) {
        if (parser.FindParam(id))
            items.emplace_back(id, GetText(parser, id));
    }
    return items;
}

// The mode a load sets before it writes the file.
class LoadingContacts : public CxLNAddrUtil {
public:
    LoadingContacts() { m_nMode = 1; }
};

TEST(WriteParamFile, ContactsCarryTheLocalDatabase) {
    TempDir dir;
    LoadingContacts util;
    util.SetTempFilePath(dir.Folder().c_str());
    util.SetServerName("Srv/Org");
    util.SetUserName("Ann Smith");
    util.SetLocalName("/data/names.nsf");
    util.SetMailDBName("ignored.nsf");
    util.SetIDFile("/ids/ann.id");
    util.SetDebugLevel(2);
    util.EnableDebug(true);
    ASSERT_TRUE(util.WriteParamFile());
    const std::string path = dir.File("LNAddrParam.dat");
    const std::string bytes = ReadFile(path);
    EXPECT_EQ(bytes.substr(0, 4 + 8 + 4 + 7), Int(14) + TextItem(1000, "Srv/Org"));
    EXPECT_EQ(Mode(path), 0600u);
    const std::vector<std::pair<int32_t, std::string>> expected = {
        {1000, "Srv/Org"},
        {1001, "Ann Smith"},
        {1002, ""},
        {1003, "LNAddr.dat"},
        {1004, dir.Folder()},
        {1005, "1"},
        {1006, "LNAddrErr.dat"},
        {1007, "LNAddrStatus.dat"},
        {1009, "/data/names.nsf"},
        {1010, ""},
        {1011, "appdebug.log"},
        {1012, "2"},
        {1013, "1"},
        {1014, "/ids/ann.id"},
    };
    EXPECT_EQ(Items(path), expected);
}

TEST(WriteParamFile, ItemOrderAndCountsPerKind) {
    TempDir dir;
    CxLNDateUtil date;
    CxLNTaskUtil task;
    CxLNNoteUtil note;
    struct {
        CxLNBaseUtil* util;
        bool (*write)(CxLNBaseUtil*);
        const char* file;
        std::vector<int32_t> ids;
    } kinds[] = {
        {&date,
         [](CxLNBaseUtil* u) { return static_cast<CxLNDateUtil*>(u)->WriteParamFile(); },
         "LNDateParam.dat",
         {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1010, 1011, 1012, 1013, 1014}},
        {&task,
         [](CxLNBaseUtil* u) { return static_cast<CxLNTaskUtil*>(u)->WriteParamFile(); },
         "LNTaskParam.dat",
         {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1010, 1011, 1012, 1013, 1014}},
        {&note,
         [](CxLNBaseUtil* u) { return static_cast<CxLNNoteUtil*>(u)->WriteParamFile(); },
         "LNNoteParam.dat",
         {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1010, 1011, 1012, 1013}},
    };
    for (auto& kind : kinds) {
        kind.util->SetTempFilePath(dir.Folder().c_str());
        kind.util->SetMailDBName("mail/ann.nsf");
        ASSERT_TRUE(kind.write(kind.util));
        const std::string bytes = ReadFile(dir.File(kind.file));
        // Walk the raw items: every one is a text, in table order.
        ASSERT_GE(bytes.size(), 4u);
        int32_t count;
        std::memcpy(&count, bytes.data(), 4);
        EXPECT_EQ(count, static_cast<int32_t>(kind.ids.size())) << kind.file;
        std::size_t at = 4;
        std::vector<int32_t> ids;
        while (at + 12 <= bytes.size()) {
            int32_t id, type, length;
            std::memcpy(&id, bytes.data() + at, 4);
            std::memcpy(&type, bytes.data() + at + 4, 4);
            std::memcpy(&length, bytes.data() + at + 8, 4);
            EXPECT_EQ(type, 8);
            ids.push_back(id);
            at += 12 + static_cast<std::size_t>(length);
        }
        EXPECT_EQ(at, bytes.size());
        EXPECT_EQ(ids, kind.ids) << kind.file;
    }
    EXPECT_EQ(Items(dir.File("LNNoteParam.dat"))[8],
              std::make_pair(1008, std::string("mail/ann.nsf")));
}

} // namespace
