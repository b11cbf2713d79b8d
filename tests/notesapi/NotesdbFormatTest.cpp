// The dump form of notesdb: every item survives text and back.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "notesapi/notesdb/DumpFile.h"
#include "notesapi/notesdb/ItemText.h"
#include "notesapi/notesdb/TimeText.h"

namespace {

DbItem Item(const std::string& name, WORD type, const std::string& value, WORD flags) {
    DbItem item;
    item.name = name;
    item.type = type;
    item.value = value;
    item.flags = flags;
    return item;
}

template <typename T> std::string Bytes(const T& value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string AllBytes() {
    std::string s;
    for (int c = 0; c < 256; ++c)
        s += static_cast<char>(c);
    return s;
}

DbItem RoundTrip(const DbItem& item) {
    std::string line = FormatItem(item);
    EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    DbItem back;
    std::string error;
    EXPECT_TRUE(ParseItem(line, &back, &error)) << line << ": " << error;
    return back;
}

void ExpectSame(const DbItem& a, const DbItem& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.flags, b.flags);
    EXPECT_EQ(a.value, b.value);
}

std::string List(const std::vector<std::string>& entries) {
    std::string v;
    WORD n = static_cast<WORD>(entries.size());
    v += Bytes(n);
    for (const auto& e : entries)
        v += Bytes(static_cast<WORD>(e.size()));
    for (const auto& e : entries)
        v += e;
    return v;
}

TIMEDATE Time(DWORD a, DWORD b) {
    return TIMEDATE{{a, b}};
}

} // namespace

TEST(NotesdbFormat, EveryKindOfItemSurvivesItsLine) {
    const DbItem cases[] = {
        Item("Subject", TYPE_TEXT, "Team meeting", ITEM_SUMMARY),
        Item("Empty", TYPE_TEXT, "", ITEM_SUMMARY),
        Item("Bytes", TYPE_TEXT, AllBytes(), ITEM_SUMMARY),
        Item("Bracket", TYPE_TEXT, "[list] not a list", ITEM_SUMMARY),
        Item("Blanks", TYPE_TEXT, "  both ends  ", ITEM_SUMMARY),
        Item("we:ird [name]#\\", TYPE_TEXT, "x", ITEM_SUMMARY),
        Item("#Hash", TYPE_TEXT, "x", ITEM_SUMMARY),
        Item("Flags", TYPE_TEXT, "x", 0),
        Item("Categories", TYPE_TEXT_LIST, List({"VIP", "", "say \"hi\"", AllBytes()}),
             ITEM_SUMMARY),
        Item("None", TYPE_TEXT_LIST, List({}), ITEM_SUMMARY),
        Item("Broken", TYPE_TEXT_LIST, std::string("\x05\x00\x01", 3), ITEM_SUMMARY),
        Item("Five", TYPE_NUMBER, Bytes(5.0), ITEM_SUMMARY),
        Item("Tenth", TYPE_NUMBER, Bytes(0.1), ITEM_SUMMARY),
        Item("MinusZero", TYPE_NUMBER, Bytes(-0.0), ITEM_SUMMARY),
        Item("Huge", TYPE_NUMBER, Bytes(-1.7976931348623157e308), ITEM_SUMMARY),
        Item("Short", TYPE_NUMBER, "abc", ITEM_SUMMARY),
        Item("When", TYPE_TIME, Bytes(Time(4710900, 2454135)), ITEM_SUMMARY),
        Item("Cents", TYPE_TIME, Bytes(Time(4710925, 2454135)), ITEM_SUMMARY),
        Item("DateOnly", TYPE_TIME, Bytes(Time(ALLDAY, 2454135)), ITEM_SUMMARY),
        Item("ClockOnly", TYPE_TIME, Bytes(Time(0, ANYDAY)), ITEM_SUMMARY),
        Item("Zoned", TYPE_TIME, Bytes(Time(100, 2454135 | 0x45000000)), ITEM_SUMMARY),
        Item("Neither", TYPE_TIME, Bytes(Time(ALLDAY, ANYDAY)), ITEM_SUMMARY),
        Item("Body", TYPE_COMPOSITE, std::string("\x82\xff\x46\x00\x01\x00", 6), 0),
        Item("Range", TYPE_NUMBER_RANGE, std::string("\x01\x00\x00\x00", 4), ITEM_SUMMARY),
        Item("Odd", 0x1234, "", 0x8001),
    };
    for (const DbItem& item : cases) {
        SCOPED_TRACE(item.name);
        ExpectSame(item, RoundTrip(item));
    }
}

TEST(NotesdbFormat, LinesAreReadable) {
    EXPECT_EQ(FormatItem(Item("Subject", TYPE_TEXT, "Hi\r\nthere", ITEM_SUMMARY)),
              "Subject: Hi\\r\\nthere");
    EXPECT_EQ(FormatItem(Item("C", TYPE_TEXT_LIST, List({"a", "b"}), ITEM_SUMMARY)),
              "C: [list] \"a\" \"b\"");
    EXPECT_EQ(FormatItem(Item("N", TYPE_NUMBER, Bytes(-5.0), ITEM_SUMMARY)), "N: [number] -5");
    EXPECT_EQ(FormatItem(Item("T", TYPE_TIME, Bytes(Time(4710900, 2454135)), ITEM_SUMMARY)),
              "T: [time] 2007-02-03 13:05:09");
    EXPECT_EQ(FormatItem(Item("D", TYPE_TIME, Bytes(Time(ALLDAY, 2415019)), ITEM_SUMMARY)),
              "D: [time] 1899-12-30");
    EXPECT_EQ(FormatItem(Item("B", TYPE_COMPOSITE, std::string("\x81\x02", 2), 0)),
              "B: [richtext] 8102");
    EXPECT_EQ(FormatItem(Item("F", TYPE_TEXT, "x", 0)), "F: [flags=0x0000] x");
}

TEST(NotesdbFormat, HandWrittenLinesTakeTheUsualFlags) {
    DbItem item;
    std::string error;
    ASSERT_TRUE(ParseItem("Birthday: [time] 1980-02-29", &item, &error)) << error;
    EXPECT_EQ(item.type, TYPE_TIME);
    EXPECT_EQ(item.flags, ITEM_SUMMARY);
    ASSERT_TRUE(ParseItem("Body: [richtext] 8102", &item, &error)) << error;
    EXPECT_EQ(item.flags, 0);
    ASSERT_TRUE(ParseItem("Empty:", &item, &error)) << error;
    EXPECT_EQ(item.value, "");
}

TEST(NotesdbFormat, MalformedLinesAreRefusedWithAReason) {
    const char* const lines[] = {
        "no colon here",
        ": no name",
        "Bad: \\x4",
        "Bad: trailing \\",
        "N: [number] five",
        "N: [number] ",
        "T: [time] 2007-02-30 10:00:00",
        "T: [time] 2007-13-01",
        "T: [time] 24:00:00",
        "T: [time] 2007-02-03 10:00",
        "T: [time] raw 0x1",
        "L: [list] \"open",
        "L: [list] bare",
        "R: [richtext] ABC",
        "R: [richtext] GG",
        "X: [type=0x10000] 00",
        "X: [colour] red",
        "X: [unclosed",
        "F: [flags=zz] x",
    };
    for (const char* line : lines) {
        DbItem item;
        std::string error;
        EXPECT_FALSE(ParseItem(line, &item, &error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

TEST(NotesdbFormat, JulianDaysMatchTheCalendar) {
    EXPECT_EQ(JulianDay(1970, 1, 1), 2440588);
    EXPECT_EQ(JulianDay(1899, 12, 30), 2415019);
    EXPECT_EQ(JulianDay(2000, 2, 29), 2451604);
    int y, m, d;
    for (long jd : {1721426L, 2415019L, 2451604L, 5373484L}) {
        CivilDate(jd, &y, &m, &d);
        EXPECT_EQ(JulianDay(y, m, d), jd);
    }
}

TEST(NotesdbFormat, DumpTextReadsBackNoteByNote) {
    DbNote a;
    a.id = 2;
    a.items = {Item("Form", TYPE_TEXT, "Person", ITEM_SUMMARY),
               Item("Body", TYPE_COMPOSITE, "\x81\x02", 0)};
    DbNote b;
    b.id = 6;
    std::ostringstream out;
    WriteDump(out, a);
    WriteDump(out, b);
    EXPECT_EQ(out.str(), "[note 2]\nForm: Person\nBody: [richtext] 8102\n\n[note 6]\n\n");

    std::istringstream in("# a comment\r\n" + out.str());
    std::vector<DbNote> notes;
    std::string error;
    ASSERT_TRUE(ReadDump(in, &notes, &error)) << error;
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].id, 2u);
    ASSERT_EQ(notes[0].items.size(), 2u);
    ExpectSame(notes[0].items[1], a.items[1]);
    EXPECT_TRUE(notes[1].items.empty());
}

TEST(NotesdbFormat, BrokenDumpNamesTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"Form: Person\n", "line 1: item outside a note block"},
        {"[note 1]\nForm: Person\n\nSubject: x\n", "line 4: item outside a note block"},
        {"[note x]\n", "line 1: bad note header \"[note x]\""},
        {"[note 1]\nN: [number] q\n", "line 2: bad [number] value"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.first);
        std::vector<DbNote> notes;
        std::string error;
        EXPECT_FALSE(ReadDump(in, &notes, &error)) << c.first;
        EXPECT_EQ(error, c.second);
        EXPECT_TRUE(notes.empty());
    }
}
