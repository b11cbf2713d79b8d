// The on-disk forms of the rich-text records.
#include "tests/notesapi/NotesApi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(RichText, RecordSizes) {
    EXPECT_EQ(ODSLength(_CDPABDEFINITION), 70);
    EXPECT_EQ(ODSLength(_CDPARAGRAPH), 2);
    EXPECT_EQ(ODSLength(_CDPABREFERENCE), 4);
    EXPECT_EQ(ODSLength(_CDTEXT), 8);
    EXPECT_EQ(ODSLength(0), 0);
    EXPECT_EQ(ODSLength(12345), 0);
}

TEST(RichText, TextRecordIsLittleEndianAndThePositionAdvances) {
    CDTEXT text;
    text.Header.Signature = SIG_CD_TEXT;
    text.Header.Length = 13;
    text.FontID = 0x0A000101;
    unsigned char buffer[16];
    std::memset(buffer, 0xee, sizeof buffer);
    void* position = buffer;
    ODSWriteMemory(&position, _CDTEXT, &text, 1);
    EXPECT_EQ(position, buffer + 8);
    const unsigned char expected[] = {0x85, 0xff, 13, 0, 0x01, 0x01, 0x00, 0x0A, 0xee};
    EXPECT_EQ(std::memcmp(buffer, expected, sizeof expected), 0);
}

TEST(RichText, PabDefinitionIsPacked) {
    CDPABDEFINITION pab;
    std::memset(&pab, 0, sizeof pab);
    pab.Header.Signature = SIG_CD_PABDEFINITION;
    pab.Header.Length = 70;
    pab.PABID = 1;
    pab.LeftMargin = 1440;
    pab.Tab[19] = -2;
    pab.Flags = 0x1234;
    pab.TabTypes = 0xA1B2C3D4;
    pab.Flags2 = 0x5678;
    std::vector<unsigned char> buffer(80, 0xee);
    void* position = buffer.data();
    ODSWriteMemory(&position, _CDPABDEFINITION, &pab, 1);
    ASSERT_EQ(position, buffer.data() + 70);
    EXPECT_EQ(buffer[0], 0x82);
    EXPECT_EQ(buffer[1], 0xff);
    EXPECT_EQ(buffer[2], 70);
    EXPECT_EQ(buffer[4], 1);
    EXPECT_EQ(buffer[14], 1440 & 0xff);
    EXPECT_EQ(buffer[15], 1440 >> 8);
    EXPECT_EQ(buffer[60], 0xfe);
    EXPECT_EQ(buffer[61], 0xff);
    EXPECT_EQ(buffer[62], 0x34);
    EXPECT_EQ(buffer[64], 0xD4);
    EXPECT_EQ(buffer[67], 0xA1);
    EXPECT_EQ(buffer[68], 0x78);
    EXPECT_EQ(buffer[69], 0x56);
    EXPECT_EQ(buffer[70], 0xee);
}

TEST(RichText, IterationsWriteOneRecordAfterAnother) {
    CDPABREFERENCE refs[2];
    refs[0].Header.Signature = SIG_CD_PABREFERENCE;
    refs[0].Header.Length = 4;
    refs[0].PABID = 1;
    refs[1] = refs[0];
    refs[1].PABID = 0x0203;
    CDPARAGRAPH para;
    para.Header.Signature = SIG_CD_PARAGRAPH;
    para.Header.Length = 2;
    unsigned char buffer[12];
    void* position = buffer;
    ODSWriteMemory(&position, _CDPARAGRAPH, &para, 1);
    ODSWriteMemory(&position, _CDPABREFERENCE, refs, 2);
    EXPECT_EQ(position, buffer + 10);
    const unsigned char expected[] = {0x81, 2, 0x83, 4, 1, 0, 0x83, 4, 3, 2};
    EXPECT_EQ(std::memcmp(buffer, expected, sizeof expected), 0);
}

TEST(RichText, UnknownTypesAndNullsWriteNothing) {
    unsigned char buffer[4] = {1, 2, 3, 4};
    void* position = buffer;
    CDPARAGRAPH para = {{0x81, 2}};
    ODSWriteMemory(&position, 999, &para, 1);
    ODSWriteMemory(&position, _CDPARAGRAPH, nullptr, 1);
    ODSWriteMemory(nullptr, _CDPARAGRAPH, &para, 1);
    EXPECT_EQ(position, buffer);
    EXPECT_EQ(buffer[0], 1);
}
