// A values file as read: its cells, the line each begins on, and where a
// fault lies, for the forms a spreadsheet writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard/controller/ValuesFile.h"

namespace {

struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::vector<std::string>> rows; // the first row too
    std::vector<std::vector<int>> lines;
};

TEST(ValuesFile, CellsAndTheirLines) {
    const Case cases[] = {
        {"CRLF", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, {{1, 1}, {2, 2}}},
        {"LF and no last line break", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, {{1, 1}, {2, 2}}},
        {"line breaks inside quotes",
         "a,b,c\r\n\"x\r\ny\",\"p\nq\nr\",z\r\nlast,,\r\n",
         {{"a", "b", "c"}, {"x\r\ny", "p\nq\nr", "z"}, {"last", "", ""}},
         {{1, 1, 1}, {2, 3, 5}, {6, 6, 6}}},
        {"blank lines between rows",
         "a\r\n\r\n\n1\r\n\r\n2\r\n",
         {{"a"}, {"1"}, {"2"}},
         {{1}, {4}, {6}}},
        {"blanks kept, quotes doubled, a byte-order mark",
         "\xEF\xBB\xBF" "a , b\n\" x \"\"y\"\" \", \n",
         {{"a ", " b"}, {" x \"y\" ", " "}},
         {{1, 1}, {2, 2}}},
        {"a row shorter than the first", "a,b,c\n1\n", {{"a", "b", "c"}, {"1"}}, {{1, 1, 1}, {2}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        tagValuesFile file;
        std::string error;
        ASSERT_TRUE(ParseValuesText(k.bytes, "/any/where/f.csv", "", &file, &error)) << error;
        EXPECT_EQ(file.name, "f.csv");
        ASSERT_EQ(file.rows.size() + 1, k.rows.size());
        for (std::size_t r = 0; r < k.rows.size(); ++r) {
            const tagValuesFileRow& row = r == 0 ? file.header : file.rows[r - 1];
            EXPECT_EQ(row.cells, k.rows[r]) << r;
            EXPECT_EQ(row.lines, k.lines[r]) << r;
            EXPECT_EQ(row.nLine, k.lines[r][0]) << r;
        }
    }
}

TEST(ValuesFile, OtherEncodingsAreReadAsNamed) {
    tagValuesFile file;
    std::string error;
    ASSERT_TRUE(ParseValuesText("a\n\xE9\x80\n", "f.csv", "WINDOWS-1252", &file, &error)) << error;
    EXPECT_EQ(file.rows.at(0).cells.at(0), "\xC3\xA9\xE2\x82\xAC");
    ASSERT_TRUE(ParseValuesText(std::string("\xFF\xFE" "a\0\n\0", 6), "f.csv", "UTF-16", &file,
                                &error))
        << error;
    EXPECT_EQ(file.header.cells.at(0), "a");
}

TEST(ValuesFile, FaultsNameTheirLineAndColumn) {
    const struct {
        std::string bytes;
        const char* encoding;
        const char* error;
    } cases[] = {
        {"a,b\n1,\"2\n3\n", "", "f.csv, line 2, column 2: the quote that begins this cell is not closed."},
        {"a,b\n\"1\n\",\"2\n", "", "f.csv, line 3, column 2: the quote that begins this cell is not closed."},
        {"a,b\n1,2\"\n", "", "f.csv, line 2, column 2: a quote is out of place at character 4; a cell "
                             "with quotes is quoted whole, each of its quotes doubled."},
        {"a\n\"1\n2\",3\n", "", "f.csv, line 3, column 2: the row has 2 cells, more than the 1 of the "
                               "first row."},
        {"a\n\xC3(\n", "", "f.csv, line 2: a byte is not UTF-8 at character 1; name the file's "
                          "encoding."},
        {"a\n\xC3", "", "f.csv, line 2: the file ends in the middle of a character; name the "
                       "file's encoding."},
        {"\n\r\n", "", "f.csv is empty: its first row names the fields, one a column."},
    };
    for (const auto& k : cases) {
        tagValuesFile file;
        std::string error;
        EXPECT_FALSE(ParseValuesText(k.bytes, "f.csv", k.encoding, &file, &error)) << k.bytes;
        EXPECT_EQ(error, k.error) << k.bytes;
    }
}

} // namespace
