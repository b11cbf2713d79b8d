// OSTranslate and OSTranslate32: LMBCS to and from UTF-8, UTF-16 and ASCII,
// the groups it reads, and bad input.
#include "tests/notesapi/NotesApi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Translate(WORD mode, const std::string& in, size_t room = 256) {
    std::string out(room + 2, '\x7F');
    const WORD n = OSTranslate(mode, in.data(), static_cast<WORD>(in.size()), &out[0],
                               static_cast<WORD>(room));
    EXPECT_LE(n, room);
    return out.substr(0, n);
}

std::string Utf8(const std::string& lmbcs) {
    return Translate(OS_TRANSLATE_LMBCS_TO_UTF8, lmbcs);
}

std::string Lmbcs(const std::string& utf8) {
    return Translate(OS_TRANSLATE_UTF8_TO_LMBCS, utf8);
}

struct Form {
    const char* lmbcs;
    const char* utf8;
};

} // namespace

TEST(Translate, EachFormReadsAndIsWrittenAsNotesWritesIt) {
    const Form forms[] = {
        {"plain ASCII ~", "plain ASCII ~"},
        {"\x81\x84\xE1\x82", "\xC3\xBC\xC3\xA4\xC3\x9F\xC3\xA9"}, // üäßé: code page 850
        {"\x9F", "\xC6\x92"},                                     // ƒ is in 850 too
        {"\x03\x80", "\xE2\x82\xAC"},                             // € from group 3
        {"\x03\x93\x03\x94", "\xE2\x80\x9C\xE2\x80\x9D"},         // “ ”
        {"\x04\x8C", "\xC5\x92"},                                 // Œ from group 4
        {"\x05\xC0", "\xD0\x90"},                                 // Cyrillic А from group 5
        {"\x06\xE6", "\xC5\xA0"},                                 // Š from group 6
        {"\x08\x9F", "\xC5\xB8"},                                 // Ÿ from group 8
        {"\x0B\xA1", "\xE0\xB8\x81"},                             // Thai from group 11
        {"\x14\x67\x4E", "\xE6\x9D\x8E"},                         // 李 through Unicode
        {"\x14\xF6\x01", "\xC4\x80"},                             // U+0100 has a zero low byte
        {"\x0F\x21\x0F\x81", "\x01\xC2\x81"},                     // controls
    };
    for (const Form& f : forms) {
        EXPECT_EQ(Utf8(f.lmbcs), f.utf8) << f.utf8;
        EXPECT_EQ(Lmbcs(f.utf8), f.lmbcs) << f.utf8;
    }
    const std::string kept("a\0b\t\n\r\x19", 7);
    EXPECT_EQ(Utf8(kept), kept);
    EXPECT_EQ(Lmbcs(kept), kept);
    // Other groups' forms of a character of code page 850 read as it.
    EXPECT_EQ(Utf8("\x01\x81"), "\xC3\xBC");
}

TEST(Translate, BadInputIsReplacedAndNeverReadPast) {
    const Form bad[] = {
        {"\x14\x67", "\xEF\xBF\xBD"}, // cut short
        {"a\x03", "a\xEF\xBF\xBD"},   // group byte at the end
        {"\x07x", "\xEF\xBF\xBD"
                  "x"},                   // no such group: it alone
        {"\x02\x80", "\xEF\xBF\xBD"},     // Greek: not at hand
        {"\x10\x88\x9F", "\xEF\xBF\xBD"}, // double-byte sets: not at hand
        {"\x03\x41", "\xEF\xBF\xBD"},     // the exceptions table: not at hand
        {"\x14\xD8\x00", "\xEF\xBF\xBD"}, // a lone surrogate
        {"\x0F\x50", "\xEF\xBF\xBD"},     // no control
    };
    for (const Form& f : bad)
        EXPECT_EQ(Utf8(f.lmbcs), f.utf8) << f.utf8;
    // No LMBCS form: beyond the BMP, broken UTF-8, U+F601.
    EXPECT_EQ(Lmbcs("\xF0\x9F\x98\x80"), "?");
    EXPECT_EQ(Lmbcs("\xC3"), "?");
    EXPECT_EQ(Lmbcs("\xEF\x98\x81"), "?");
}

TEST(Translate, UnicodeIsUtf16InTheMachinesOrder) {
    const char16_t units[] = {u'M', 0x00FC, 0x20AC, 0xD83D, 0xDE00, 0};
    char out[32];
    const WORD n = OSTranslate(OS_TRANSLATE_UNICODE_TO_LMBCS, reinterpret_cast<const char*>(units),
                               MAXWORD, out, sizeof out);
    EXPECT_EQ(std::string(out, n), "M\x81\x03\x80?");
    char16_t back[8] = {};
    EXPECT_EQ(OSTranslate(OS_TRANSLATE_LMBCS_TO_UNICODE, "M\x81\x03\x80", 4,
                          reinterpret_cast<char*>(back), sizeof back),
              6);
    EXPECT_EQ(std::u16string(back), (std::u16string{u'M', 0x00FC, 0x20AC}));
}

TEST(Translate, OutputStopsBeforeACharacterThatDoesNotFitAndIsTerminatedWhenThereIsRoom) {
    EXPECT_EQ(Translate(OS_TRANSLATE_LMBCS_TO_UTF8, "ab\x03\x80", 4), "ab");
    char out[8];
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(OSTranslate(OS_TRANSLATE_LMBCS_TO_UTF8, "ab", MAXWORD, out, sizeof out), 2);
    EXPECT_STREQ(out, "ab");
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(OSTranslate(OS_TRANSLATE_LMBCS_TO_UTF8, "ab", 2, out, 2), 2);
    EXPECT_EQ(out[2], 'x');
    EXPECT_EQ(OSTranslate32(OS_TRANSLATE_LMBCS_TO_ASCII, "\x81x", MAXDWORD, out, sizeof out), 2u);
    EXPECT_STREQ(out, "?x");
    EXPECT_EQ(OSTranslate(999, "ab", 2, out, sizeof out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(OSTranslate(OS_TRANSLATE_LMBCS_TO_UTF8, nullptr, 2, out, sizeof out), 0);
}
