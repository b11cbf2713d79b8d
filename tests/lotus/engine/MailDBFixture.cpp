#include "MailDBFixture.h"

#include <algorithm>
#include <cstring>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNCommon.h"
#include "platform/ProfileFile.h"

const char kMailDB[] = "mail/jdoe.nsf";
const char kIDFile[] = "jdoe.id";
const char kPassword[] = "Secret-1";
const char kIDUser[] = "John Doe/Org";

namespace {

void Put(std::string* out, const void* bytes, std::size_t size) {
    out->append(static_cast<const char*>(bytes), size);
}

} // namespace

MailDBTest::MailDBTest()
    : NotesDBTest("[Notes]\r\nDirectory=Data\r\n[Servers]\r\nAlpha/Org=alpha\r\n") {
    m_folder.MakeFolders("Data/mail");
    m_folder.MakeFolders("alpha/mail");
    EXPECT_EQ(Notesdb("create Data/mail/jdoe.nsf"), 0);
    EXPECT_EQ(Notesdb("create alpha/mail/jdoe.nsf"), 0);
    EXPECT_EQ(Notesdb(std::string("id Data/") + kIDFile + " '" + kIDUser + "' " + kPassword), 0);
}

int MailDBTest::Notesdb(const std::string& arguments) {
    return m_folder.Notesdb(arguments);
}

NOTEID MailDBTest::AddNote(const std::function<void(NOTEHANDLE)>& fill, const char* form,
                           const char* db) {
    return AddDocument(db, form, fill);
}

Dump MailDBTest::DumpNote(NOTEID id, const char* db) {
    return DumpDocument(db, id);
}

std::vector<NOTEID> MailDBTest::AllNotes(const char* db) {
    return Documents(db);
}

void MailDBTest::AppendDate(NOTEHANDLE note, const char* name, int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", month, day, year);
    char* position = text;
    TIMEDATE time;
    ASSERT_EQ(LNApi().ConvertTextToTIMEDATE(nullptr, nullptr, &position,
                                            static_cast<WORD>(std::strlen(text)), &time),
              NOERROR);
    ASSERT_EQ(time.Innards[0], ALLDAY);
    EXPECT_EQ(LNApi().NSFItemAppend(note, 0, name, static_cast<WORD>(std::strlen(name)), TYPE_TIME,
                                    &time, sizeof time),
              NOERROR);
}

void MailDBTest::AppendNumber(NOTEHANDLE note, const char* name, NUMBER number) {
    EXPECT_EQ(LNApi().NSFItemAppend(note, 0, name, static_cast<WORD>(std::strlen(name)),
                                    TYPE_NUMBER, &number, sizeof number),
              NOERROR);
}

void MailDBTest::AppendRichText(NOTEHANDLE note, const char* name, const std::string& text) {
    const std::string records = RichTextOf(text);
    EXPECT_EQ(LNApi().NSFItemAppend(note, 0, name, static_cast<WORD>(std::strlen(name)),
                                    TYPE_COMPOSITE, records.data(),
                                    static_cast<DWORD>(records.size())),
              NOERROR);
}

void MailDBTest::Configure(CxLNBaseUtil* util) const {
    util->SetMailDBName(kMailDB);
    util->SetIDFile(kIDFile);
    util->SetPassword(kPassword);
    util->SetTempFilePath(m_temp.Folder().c_str());
}

std::string MailDBTest::ErrorValue(const char* file, const char* key) const {
    char value[1024] = "";
    platform::GetProfileString(m_temp.File(file).c_str(), "Error", key, "", value, sizeof value);
    return value;
}

std::vector<std::string> ItemNames(const Dump& dump) {
    std::vector<std::string> names;
    for (const DumpedItem& item : dump)
        names.push_back(item.name);
    return names;
}

int CountItems(const Dump& dump, const char* name) {
    return static_cast<int>(std::count_if(dump.begin(), dump.end(),
                                          [name](const DumpedItem& i) { return i.name == name; }));
}

// Laid out by hand, byte by byte, as a client stores it.
std::string RichTextOf(const std::string& text) {
    std::string body;
    for (char c : text)
        if (c != '\r')
            body += c == '\n' ? '\0' : c;
    std::string out;
    auto word = [&out](unsigned v) {
        const unsigned char b[2] = {static_cast<unsigned char>(v & 0xff),
                                    static_cast<unsigned char>(v >> 8)};
        Put(&out, b, 2);
    };
    word(0xFF82);
    word(70);
    for (unsigned v : {1u, 0u, 0u, 0u, 0u, 1440u, 0u, 1440u, 0u})
        word(v);
    for (int i = 0; i < 20; ++i)
        word(i == 0 ? 720 : 0);
    for (int i = 0; i < 4; ++i) // flags, tab types, flags 2
        word(0);
    word(0x0483); // reference, length 4
    word(1);
    word(0x0281); // paragraph, length 2
    word(0xFF85);
    word(static_cast<unsigned>(8 + body.size()));
    word(0x0001); // swiss, plain
    word(0x0A00); // black, 10 point
    out += body;
    if (out.size() % 2)
        out += '\0';
    return out;
}
