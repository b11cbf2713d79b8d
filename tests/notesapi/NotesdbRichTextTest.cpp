// Seeded rich-text bodies are the records the stand-in's own ODS writer
// gives for the calendar body layout.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/notesapi/NotesApi.h"
#include "notesapi/notesdb/SeedData.h"

namespace {

std::string OdsBody(const std::string& text) {
    CDPABDEFINITION pab;
    std::memset(&pab, 0, sizeof pab);
    pab.Header.Signature = SIG_CD_PABDEFINITION;
    pab.Header.Length = ODSLength(_CDPABDEFINITION);
    pab.PABID = 1;
    pab.LeftMargin = 1440;
    pab.FirstLineLeftMargin = 1440;
    pab.Tab[0] = 720;
    CDPABREFERENCE ref = {
        {SIG_CD_PABREFERENCE & 0xff, static_cast<BYTE>(ODSLength(_CDPABREFERENCE))}, 1};
    CDPARAGRAPH para = {{SIG_CD_PARAGRAPH & 0xff, static_cast<BYTE>(ODSLength(_CDPARAGRAPH))}};
    CDTEXT run = {{SIG_CD_TEXT, static_cast<WORD>(ODSLength(_CDTEXT) + text.size())}, 0x0A000001};

    char buffer[512] = {};
    char* p = buffer;
    ODSWriteMemory(&p, _CDPABDEFINITION, &pab, 1);
    ODSWriteMemory(&p, _CDPABREFERENCE, &ref, 1);
    ODSWriteMemory(&p, _CDPARAGRAPH, &para, 1);
    ODSWriteMemory(&p, _CDTEXT, &run, 1);
    std::string out(buffer, p);
    out += text;
    if (out.size() % 2)
        out += '\0';
    return out;
}

} // namespace

TEST(NotesdbRichText, BodiesMatchTheOdsWriter) {
    for (const char* text : {"Agenda\r\nfirst", "Agenda\r\nfirst!", ""}) {
        DbNote note;
        AddRichText(&note, "Body", text);
        ASSERT_EQ(note.items.size(), 1u);
        EXPECT_EQ(note.items[0].type, TYPE_COMPOSITE);
        std::string converted;
        for (char c : std::string(text))
            if (c != '\r')
                converted += c == '\n' ? '\0' : c;
        EXPECT_EQ(note.items[0].value, OdsBody(converted)) << text;
    }
}
