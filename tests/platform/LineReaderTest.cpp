#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "TestSupport.h"
#include "platform/LineReader.h"

using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

struct tagLine {
    std::string text;
    bool cut;
    bool operator==(const tagLine& o) const { return text == o.text && cut == o.cut; }
};

std::vector<tagLine> Lines(const std::string& path, std::size_t keep) {
    std::vector<tagLine> lines;
    const int fd = open(path.c_str(), O_RDONLY);
    platform::CxLineReader reader(fd, keep);
    std::string line;
    bool cut = false;
    while (reader.Next(&line, &cut)) {
        lines.push_back({line, cut});
        EXPECT_EQ(reader.Number(), static_cast<long>(lines.size()));
    }
    EXPECT_FALSE(reader.Failed());
    close(fd);
    return lines;
}

} // namespace

TEST(LineReader, GivesEachLineUpToItsBoundAndSkipsTheRest) {
    struct Case {
        std::string text;
        std::size_t keep;
        std::vector<tagLine> lines;
    } cases[] = {
        {"", 8, {}},
        {"a\nb\r\n\nlast", 8, {{"a", false}, {"b", false}, {"", false}, {"last", false}}},
        {"ends\n", 8, {{"ends", false}}},
        {"0123456789\nnext\n", 4, {{"0123", true}, {"next", false}}},
        {"0123\n", 4, {{"0123", false}}},
        {std::string(100000, 'x') + "\ny", 3, {{"xxx", true}, {"y", false}}},
        {std::string(100000, 'x'), 3, {{"xxx", true}}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        WriteFile(dir.File("lines"), c.text);
        EXPECT_EQ(Lines(dir.File("lines"), c.keep), c.lines) << c.text.substr(0, 20);
    }
}
