// Values from a file applied by the engine: a record takes the cells of the
// row its key matches, an empty cell leaves its field, {clear} empties it,
// and every cell is read as its field's type reads it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "CivilTime.h"
#include "EngineTestSupport.h"
#include "common/misc/CxList.h"
#include "wizard/update/VxValueTable.h"
#include "wizard/update/VxValueText.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlntask.h"

namespace {

tagFUFieldUpdate FromColumn(int key, int column) {
    tagFUFieldUpdate def = NewDefinition(key);
    def.nOperation = FU_OP_FROM_FILE;
    def.nPosition = column;
    return def;
}

tagFUCell Cell(const tagFUFieldInfo& row, const std::string& text) {
    tagFUCell cell;
    std::string why;
    EXPECT_TRUE(FUParseCell(row, text, &cell, &why)) << text << ": " << why;
    return cell;
}

// Key Business Email (12); columns Job Title (8), Business City (18), Birth Date (46).
std::shared_ptr<CxFUValueTable> Table() {
    auto table = std::make_shared<CxFUValueTable>(12, "hr.csv");
    const int keys[] = {8, 18, 46};
    for (int key : keys)
        table->AddColumn(key, CxVXLNAddrUtil::FindUpdateField(key)->szName);
    auto row = [&](int line, const char* key, const char* title, const char* city,
                   const char* birth) {
        tagFUValueRow r{line, key, {}};
        r.cells.push_back(Cell(*CxVXLNAddrUtil::FindUpdateField(8), title));
        r.cells.push_back(Cell(*CxVXLNAddrUtil::FindUpdateField(18), city));
        r.cells.push_back(Cell(*CxVXLNAddrUtil::FindUpdateField(46), birth));
        int first = 0;
        EXPECT_TRUE(table->AddRow(r, &first));
    };
    row(2, "ada@example.com", "Countess", "", "1815-12-10");
    row(3, " GRACE@example.com ", "{clear}", "An unusually long city name, cut to the field", "");
    return table;
}

tagCxLNAddrRec Contact(const char* email, const char* title, const char* city) {
    tagCxLNAddrRec rec;
    std::memset(&rec, 0, sizeof rec);
    CxStrCopy(rec.szBusinessEmail, email);
    CxStrCopy(rec.szJobTitle, title);
    CxStrCopy(rec.szBusinessCity, city);
    rec.dtBirthday = testsupport::VariantOf(1900, 1, 1);
    return rec;
}

TEST(ValuesApply, EachRecordTakesTheCellsOfItsRow) {
    CxVXLNAddrUtil engine;
    engine.SetValueTable(Table());
    Definitions defs;
    defs.Add(FromColumn(8, 0));
    defs.Add(FromColumn(18, 1));
    defs.Add(FromColumn(46, 2));
    tagCxLNAddrRec ada = Contact("Ada@Example.com", "Analyst", "London");
    tagCxLNAddrRec grace = Contact("grace@example.com", "Admiral", "Arlington");
    tagCxLNAddrRec other = Contact("other@example.com", "Clerk", "Paris");
    for (tagCxLNAddrRec* rec : {&ada, &grace, &other})
        engine.ApplyUpdates(rec, defs.list);
    EXPECT_STREQ(ada.szJobTitle, "Countess");
    EXPECT_STREQ(ada.szBusinessCity, "London"); // an empty cell leaves it
    EXPECT_EQ(ada.dtBirthday, testsupport::VariantOf(1815, 12, 10));
    EXPECT_STREQ(grace.szJobTitle, ""); // {clear}
    EXPECT_STREQ(grace.szBusinessCity, "An unusually long city name, cu");
    EXPECT_EQ(grace.dtBirthday, testsupport::VariantOf(1900, 1, 1));
    EXPECT_STREQ(other.szJobTitle, "Clerk");
    ASSERT_EQ(engine.GetCutCounts().size(), 1u);
    EXPECT_EQ(engine.GetCutCounts().at(18), 1u);
}

TEST(ValuesApply, TheKeyIsReadAsLoadedAndTheValuesComeLast) {
    CxVXLNAddrUtil engine;
    engine.SetValueTable(Table());
    Definitions defs;
    defs.Add(FromColumn(8, 0));
    // Changes the key before the file's values would be looked up.
    defs.Add(TextDefinition(12, FU_OP_SET, "someone@else.com"));
    defs.Add(TextDefinition(8, FU_OP_APPEND, " (old)"));
    tagCxLNAddrRec ada = Contact("ada@example.com", "Analyst", "London");
    engine.ApplyUpdates(&ada, defs.list);
    EXPECT_STREQ(ada.szJobTitle, "Countess (old)");
    EXPECT_STREQ(ada.szBusinessEmail, "someone@else.com");
}

TEST(ValuesApply, WithoutATableNothingChanges) {
    CxVXLNAddrUtil engine;
    Definitions defs;
    defs.Add(FromColumn(8, 0));
    tagCxLNAddrRec ada = Contact("ada@example.com", "Analyst", "London");
    engine.ApplyUpdates(&ada, defs.list);
    EXPECT_STREQ(ada.szJobTitle, "Analyst");
}

TEST(ValuesApply, DuplicateKeysAreRefusedAsKeysCompare) {
    CxFUValueTable table(12, "f.csv");
    int first = 0;
    EXPECT_TRUE(table.AddRow({4, "a@b.c", {}}, &first));
    EXPECT_FALSE(table.AddRow({9, "  A@B.C\t", {}}, &first));
    EXPECT_EQ(first, 4);
    EXPECT_EQ(table.FindRow("a@b.c "), 0);
    EXPECT_EQ(table.FindRow("x"), -1);
}

TEST(ValuesApply, CellsAreReadByTheirFieldsType) {
    const tagFUFieldInfo& title = *CxVXLNAddrUtil::FindUpdateField(8);
    const tagFUFieldInfo& birth = *CxVXLNAddrUtil::FindUpdateField(46);
    const tagFUFieldInfo& privateFlag = *CxVXLNTaskUtil::FindUpdateField(5);
    const tagFUFieldInfo& importance = *CxVXLNTaskUtil::FindUpdateField(4);
    const struct {
        const tagFUFieldInfo* row;
        const char* text;
        bool ok;
        uint8_t state;
        const char* why;
    } cases[] = {
        {&title, " Lead ", true, FU_CELL_VALUE, ""},
        {&title, "   ", true, FU_CELL_EMPTY, ""},
        {&title, "{CLEAR}", true, FU_CELL_CLEAR, ""},
        {&birth, "1999-12-31", true, FU_CELL_VALUE, ""},
        {&birth, "{clear}", true, FU_CELL_CLEAR, ""},
        {&birth, "31.12.1999", false, 0, "\"31.12.1999\" is no date; write it as YYYY-MM-DD"},
        {&birth, "1999-02-30", false, 0, "\"1999-02-30\" is no date; write it as YYYY-MM-DD"},
        {&privateFlag, "Yes", true, FU_CELL_VALUE, ""},
        {&privateFlag, "0", true, FU_CELL_VALUE, ""},
        {&privateFlag, "maybe", false, 0,
         "\"maybe\" is no flag; write true or false (yes or no, 1 or 0)"},
        {&privateFlag, "{clear}", false, 0, "a Boolean field cannot be cleared"},
        {&importance, "High", false, 0, "The field \"Importance\" offers no choices to set."},
    };
    for (const auto& k : cases) {
        tagFUCell cell;
        std::string why;
        EXPECT_EQ(FUParseCell(*k.row, k.text, &cell, &why), k.ok) << k.text;
        EXPECT_EQ(why, k.why) << k.text;
        if (k.ok) {
            EXPECT_EQ(cell.nState, k.state) << k.text;
        }
    }
    EXPECT_EQ(Cell(title, " Lead ").text, " Lead ");
    EXPECT_EQ(Cell(privateFlag, "TRUE").bValue, 1);
    EXPECT_EQ(Cell(birth, "1999-12-31").dtValue, testsupport::VariantOf(1999, 12, 31));
}

} // namespace
