#include <gtest/gtest.h>

#include <string>

#include "platform/Cp1252.h"

using namespace platform;

TEST(Cp1252, SpecialRangeMapsBothWays) {
    struct Case {
        unsigned char byte;
        char16_t wide;
        const char* utf8;
    } cases[] = {
        {0x80, 0x20AC, "\xE2\x82\xAC"},
        {0x8A, 0x0160, "\xC5\xA0"},
        {0x9F, 0x0178, "\xC5\xB8"},
        {0x96, 0x2013, "\xE2\x80\x93"},
        {0xE9, 0x00E9, "\xC3\xA9"},
        {0xA0, 0x00A0, "\xC2\xA0"},
        {0x41, 0x0041, "A"},
        {0x81, 0x0081, "\xC2\x81"},
        {0xFF, 0x00FF, "\xC3\xBF"},
    };
    for (const Case& c : cases) {
        std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(Cp1252ToWide(byte), std::u16string(1, c.wide)) << int(c.byte);
        EXPECT_EQ(WideToCp1252(std::u16string(1, c.wide)), byte) << int(c.byte);
        EXPECT_EQ(Cp1252ToUtf8(byte), c.utf8) << int(c.byte);
        EXPECT_EQ(Utf8ToCp1252(c.utf8), byte) << int(c.byte);
    }
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int i = 1; i < 256; ++i)
        all += static_cast<char>(i);
    EXPECT_EQ(WideToCp1252(Cp1252ToWide(all)), all);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(WideToCp1252(u"a\u4E2Db\u0100"), "a?b?");
    EXPECT_EQ(WideToCp1252(u"\U0001F600x"), "?x");           // one pair, one mark
    EXPECT_EQ(WideToCp1252(std::u16string(1, 0xD800)), "?"); // lone surrogate
    EXPECT_EQ(Utf8ToCp1252("a\xE4\xB8\xAD"
                           "b\xF0\x9F\x98\x80"),
              "a?b?");
}

TEST(Cp1252, MalformedUtf8NeverOverruns) {
    struct Case {
        std::string in;
        std::string out;
    } cases[] = {
        {"\xC3", "?"},
        {"\xE2\x82", "??"},
        {"\x80x", "?x"},
        {"\xC0\xAF", "??"},
        {"\xED\xA0\x80", "???"},
        {"\xF8\x88\x80\x80", "????"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8ToCp1252(c.in), c.out);
}
