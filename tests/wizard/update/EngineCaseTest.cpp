// The update engine's edge cases, in one table, and the text primitive's limits.
#include <gtest/gtest.h>

#include <cctype>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "wizard/update/Vxlntask.h"

namespace {

// One definition list applied by the task engine to one field of a fresh
// task; tasks carry every kind of field (texts of 256 and 32 bytes, dates,
// a Boolean and an enumeration). Values are written as text: the field's
// text, a date as its number, a flag or an integer in decimal.
struct EngineCase {
    const char* what;
    int key;
    std::string before;
    std::vector<tagFUFieldUpdate> defs;
    std::string after;
};

const int kSubject = 0;  // 256 bytes
const int kTaskType = 6; // 32 bytes
const int kDueDate = 7;
const int kPrivate = 5;
const int kImportance = 4;

tagFUFieldUpdate Set(const char* v) {
    return TextDefinition(kSubject, FU_OP_SET, v);
}
tagFUFieldUpdate Append(const char* v, int key = kSubject) {
    return TextDefinition(key, FU_OP_APPEND, v);
}
tagFUFieldUpdate Insert(const char* v, int at, int key = kSubject) {
    return TextDefinition(key, FU_OP_INSERT, v, "", at);
}
tagFUFieldUpdate Replace(const char* find, const char* v, int key = kSubject) {
    return TextDefinition(key, FU_OP_REPLACE, v, find);
}
tagFUFieldUpdate Date(double value, int set) {
    tagFUFieldUpdate def = NewDefinition(kDueDate);
    def.dtValue = value;
    def.nDateSet = set;
    return def;
}
tagFUFieldUpdate Flag(uint8_t value) {
    tagFUFieldUpdate def = NewDefinition(kPrivate);
    def.bValue = value;
    return def;
}
tagFUFieldUpdate Choice(int32_t value) {
    tagFUFieldUpdate def = NewDefinition(kImportance);
    def.nValue = value;
    return def;
}

void Put(tagCxLNTaskRec& rec, int key, const std::string& value) {
    if (char* text = CxVXLNTaskUtil::GetTextField(&rec, key))
        CxStrCopy(text, 256, value.c_str());
    else if (double* date = CxVXLNTaskUtil::GetDateField(&rec, key))
        *date = std::stod(value);
    else if (uint8_t* flag = CxVXLNTaskUtil::GetBoolField(&rec, key))
        *flag = static_cast<uint8_t>(std::stoi(value));
    else if (int32_t* choice = CxVXLNTaskUtil::GetEnumField(&rec, key))
        *choice = std::stoi(value);
}

std::string Get(tagCxLNTaskRec& rec, int key) {
    if (char* text = CxVXLNTaskUtil::GetTextField(&rec, key))
        return text;
    if (double* date = CxVXLNTaskUtil::GetDateField(&rec, key)) {
        std::ostringstream out;
        out << std::setprecision(12) << *date;
        return out.str();
    }
    if (uint8_t* flag = CxVXLNTaskUtil::GetBoolField(&rec, key))
        return std::to_string(*flag);
    if (int32_t* choice = CxVXLNTaskUtil::GetEnumField(&rec, key))
        return std::to_string(*choice);
    return "?";
}

const std::string k30(30, 'z');

void PrintTo(const EngineCase& c, std::ostream* out) {
    *out << c.what;
}

class EngineCaseTest : public ::testing::TestWithParam<EngineCase> {};

TEST_P(EngineCaseTest, GivesTheExpectedValue) {
    const EngineCase& c = GetParam();
    CxVXLNTaskUtil engine;
    auto rec = std::make_unique<tagCxLNTaskRec>();
    Put(*rec, c.key, c.before);
    for (const tagFUFieldUpdate& def : c.defs)
        EXPECT_TRUE(engine.ApplyUpdate(rec.get(), &def));
    EXPECT_EQ(Get(*rec, c.key), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EngineCaseTest,
    ::testing::Values(
        EngineCase{"set", kSubject, "Jones", {Set("Smith")}, "Smith"},
        EngineCase{"set empty", kSubject, "Jones", {Set("")}, ""},
        EngineCase{"append", kSubject, "John", {Append("son")}, "Johnson"},
        EngineCase{
            "append that does not fit", kTaskType, k30, {Append("abcde", kTaskType)}, k30 + "a"},
        EngineCase{"append to a full field",
                   kTaskType,
                   k30 + "y",
                   {Append("abcde", kTaskType)},
                   k30 + "y"},
        EngineCase{"set then append", kSubject, "x", {Set("A"), Append("B")}, "AB"},
        EngineCase{"append twice", kSubject, "a", {Append("b"), Append("b")}, "abb"},
        EngineCase{"insert at start", kSubject, "Smith", {Insert("Dr. ", 0)}, "Dr. Smith"},
        EngineCase{"insert before last", kSubject, "Smith", {Insert("Dr. ", 4)}, "SmitDr. h"},
        EngineCase{"insert at the end", kSubject, "Smith", {Insert("Dr. ", 5)}, "Smith"},
        EngineCase{"insert past the end", kSubject, "Smith", {Insert("Dr. ", 9)}, "Smith"},
        EngineCase{"insert negative", kSubject, "Smith", {Insert("Dr. ", -1)}, "Smith"},
        EngineCase{"insert into empty", kSubject, "", {Insert("Dr. ", 0)}, ""},
        EngineCase{"insert cuts old text first",
                   kTaskType,
                   "Smith" + k30.substr(5),
                   {Insert("Dr. ", 0, kTaskType)},
                   ("Dr. Smith" + k30.substr(5)).substr(0, 31)},
        EngineCase{"insert cuts inserted text next",
                   kTaskType,
                   k30,
                   {Insert("abcdefghij", 29, kTaskType)},
                   k30.substr(0, 29) + "ab"},
        EngineCase{"replace", kSubject, "banana", {Replace("a", "o")}, "bonono"},
        EngineCase{
            "replacement holds the find", kSubject, "banana", {Replace("a", "aa")}, "baanaanaa"},
        EngineCase{"replace is case-sensitive", kSubject, "banana", {Replace("A", "o")}, "banana"},
        EngineCase{"replace resumes after insert", kSubject, "aab", {Replace("ab", "b")}, "ab"},
        EngineCase{"replace by a longer text",
                   kSubject,
                   "Main St",
                   {Replace("St", "Street")},
                   "Main Street"},
        EngineCase{"replace shrinking pairs", kSubject, "a----b", {Replace("--", "-")}, "a--b"},
        EngineCase{"replace by nothing", kSubject, "banana", {Replace("an", "")}, "ba"},
        EngineCase{"replace empty find", kSubject, "banana", {Replace("", "x")}, "banana"},
        EngineCase{"replace without match", kSubject, "banana", {Replace("x", "y")}, "banana"},
        EngineCase{
            "replace cut", kTaskType, k30, {Replace("z", "zz", kTaskType)}, std::string(31, 'z')},
        EngineCase{
            "unknown operation", kSubject, "Smith", {TextDefinition(kSubject, 9, "x")}, "Smith"},
        EngineCase{"date without nDateSet", kDueDate, "40000.25", {Date(41000.5, 0)}, "40000.25"},
        EngineCase{"date with its time", kDueDate, "40000.25", {Date(41000.75, 1)}, "41000.75"},
        EngineCase{"private true", kPrivate, "0", {Flag(1)}, "1"},
        EngineCase{"private false", kPrivate, "1", {Flag(0)}, "0"},
        EngineCase{"importance without entries", kImportance, "2", {Choice(0)}, "0"}),
    [](const ::testing::TestParamInfo<EngineCase>& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

// A field may hold more than the catalogue allows (the record's own buffer
// is larger); an update that changes nothing must not cut it.
TEST(TextUpdate, AnUpdateThatChangesNothingKeepsALongText) {
    const std::string longText(40, 'L');
    const tagFUFieldUpdate defs[] = {Replace("x", "y"), Insert("Dr. ", 99), Append("")};
    for (const tagFUFieldUpdate& def : defs) {
        char field[64];
        CxStrCopy(field, longText.c_str());
        EXPECT_TRUE(CxVXCommonUtil::UpdateTextValue(field, 16, &def));
        EXPECT_EQ(std::string(field), longText) << def.nOperation;
    }
    char field[64];
    CxStrCopy(field, longText.c_str());
    tagFUFieldUpdate change = Replace("L", "M");
    EXPECT_TRUE(CxVXCommonUtil::UpdateTextValue(field, 16, &change));
    EXPECT_EQ(std::string(field), std::string(15, 'M'));
}

TEST(TextUpdate, UnterminatedDefinitionTextsStayInTheirBuffers) {
    tagFUFieldUpdate def = Append("");
    std::memset(def.szValue, 'v', sizeof def.szValue);
    char field[1024] = "";
    EXPECT_TRUE(CxVXCommonUtil::UpdateTextValue(field, sizeof field, &def));
    EXPECT_EQ(std::string(field), std::string(256, 'v'));
}

TEST(TextUpdate, NullPointersAndEmptyBuffers) {
    tagFUFieldUpdate def = Set("x");
    char field[8] = "abc";
    EXPECT_FALSE(CxVXCommonUtil::UpdateTextValue(nullptr, 8, &def));
    EXPECT_FALSE(CxVXCommonUtil::UpdateTextValue(field, 8, nullptr));
    EXPECT_TRUE(CxVXCommonUtil::UpdateTextValue(field, 0, &def));
    EXPECT_STREQ(field, "abc");
    EXPECT_FALSE(CxVXCommonUtil::UpdateDateValue(nullptr, &def));
    EXPECT_FALSE(CxVXCommonUtil::UpdateIntValue(nullptr, &def));
    EXPECT_FALSE(CxVXCommonUtil::UpdateBoolValue(nullptr, &def));
}

} // namespace
