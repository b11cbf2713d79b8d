// The text of rich-text records.
#include <gtest/gtest.h>

#include <string>

#include "MailDBFixture.h"
#include "common/lotus/engine/CxLNRichText.h"

namespace {

std::string TextOfRecords(const std::string& records, std::size_t size = 256) {
    std::string text(size, 'x');
    LNRichTextToText(records.data(), records.size(), &text[0], size);
    return text.c_str();
}

std::string Record(unsigned char sig, unsigned char high, const std::string& rest) {
    std::string r;
    r += static_cast<char>(sig);
    r += static_cast<char>(high);
    return r + rest;
}

// A text run holding `text`, padded to an even length.
std::string Run(const std::string& text) {
    const std::size_t length = 8 + text.size();
    std::string r = Record(0x85, 0xff, "");
    r += static_cast<char>(length & 0xff);
    r += static_cast<char>(length >> 8);
    r += std::string("\x01\x00\x00\x0a", 4) + text;
    if (r.size() % 2)
        r += '\0';
    return r;
}

const std::string kParagraph = Record(0x81, 2, "");

struct RichCase {
    const char* name;
    std::string records;
    std::string text;
};

} // namespace

class RichTextTest : public ::testing::TestWithParam<RichCase> {};

TEST_P(RichTextTest, GivesTheTextOfTheRuns) {
    EXPECT_EQ(TextOfRecords(GetParam().records), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RichTextTest,
    ::testing::Values(
        RichCase{"one_paragraph", RichTextOf("Line one\r\nLine two"), "Line one\r\nLine two"},
        RichCase{"odd_length_runs", kParagraph + Run("abc") + Run("de"), "abcde"},
        RichCase{"paragraphs", kParagraph + Run("one") + kParagraph + Run("two"), "one\r\ntwo"},
        RichCase{"empty", "", ""},
        RichCase{"run_past_the_end", kParagraph + Run("ok") + Run("lost").substr(0, 9), "ok"},
        RichCase{"zero_length_record", Run("a") + std::string("\x85\xff\x00\x00", 4) + Run("b"),
                 "a"},
        RichCase{"short_header", std::string("\x85", 1), ""},
        RichCase{"long_signature",
                 Record(0x99, 0, std::string("\x08\x00\x00\x00zz", 6)) + Run("after"), "after"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RichTextCut, TheTextIsCutToTheBuffer) {
    EXPECT_EQ(TextOfRecords(RichTextOf("abc\r\ndef"), 5), "abc\r");
    EXPECT_EQ(TextOfRecords(RichTextOf("abcdef"), 1), "");
}
