#include "SeedData.h"

#include <cstring>

#include "TimeText.h"
#include "editods.h"

SeedRandom::SeedRandom(unsigned seed, unsigned kind, unsigned long index)
    : m_state(0x9E3779B97F4A7C15ULL ^ (static_cast<unsigned long long>(seed) << 40) ^
              (static_cast<unsigned long long>(kind) << 32) ^ index) {
    for (int i = 0; i < 4; ++i)
        Next();
}

unsigned SeedRandom::Next() {
    // SplitMix64: well spread even for neighbouring indexes.
    unsigned long long z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<unsigned>((z ^ (z >> 31)) >> 16);
}

namespace {

void AddBytes(DbNote* note, const std::string& name, WORD type, const void* bytes,
              std::size_t size) {
    DbItem item;
    item.name = name;
    item.type = type;
    item.flags = type == TYPE_COMPOSITE ? 0 : ITEM_SUMMARY;
    item.value.assign(static_cast<const char*>(bytes), size);
    note->items.push_back(item);
}

template <typename T> void Put(std::string* out, const T& value) {
    out->append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Records of a paragraph as the calendar body writer lays them out.
std::string ParagraphRecords(const std::string& text) {
    std::string body;
    for (char c : text)
        if (c != '\r')
            body += c == '\n' ? '\0' : c;
    std::string out;
    // CDPABDEFINITION, 70 bytes: id 1, margins 1440, first tab 720.
    Put<WORD>(&out, SIG_CD_PABDEFINITION);
    Put<WORD>(&out, 70);
    WORD fields[] = {1, 0, 0, 0, 0, 1440, 0, 1440, 0};
    for (WORD w : fields)
        Put<WORD>(&out, w);
    for (int i = 0; i < MAXTABS; ++i)
        Put<SWORD>(&out, static_cast<SWORD>(i == 0 ? 720 : 0));
    Put<WORD>(&out, 0);
    Put<DWORD>(&out, 0);
    Put<WORD>(&out, 0);
    // CDPABREFERENCE to definition 1, CDPARAGRAPH.
    Put<BYTE>(&out, SIG_CD_PABREFERENCE & 0xff);
    Put<BYTE>(&out, 4);
    Put<WORD>(&out, 1);
    Put<BYTE>(&out, SIG_CD_PARAGRAPH & 0xff);
    Put<BYTE>(&out, 2);
    // CDTEXT: swiss, plain, black, 10 point, then the text, padded to even.
    Put<WORD>(&out, SIG_CD_TEXT);
    Put<WORD>(&out, static_cast<WORD>(8 + body.size()));
    Put<DWORD>(&out, 0x0A000001);
    out += body;
    if (out.size() % 2)
        out += '\0';
    return out;
}

} // namespace

void AddText(DbNote* note, const std::string& name, const std::string& text) {
    AddBytes(note, name, TYPE_TEXT, text.data(), text.size());
}

void AddTextList(DbNote* note, const std::string& name, const std::vector<std::string>& entries) {
    std::string value;
    Put<WORD>(&value, static_cast<WORD>(entries.size()));
    for (const std::string& e : entries)
        Put<WORD>(&value, static_cast<WORD>(e.size()));
    for (const std::string& e : entries)
        value += e;
    AddBytes(note, name, TYPE_TEXT_LIST, value.data(), value.size());
}

void AddNumber(DbNote* note, const std::string& name, NUMBER number) {
    AddBytes(note, name, TYPE_NUMBER, &number, sizeof number);
}

void AddTime(DbNote* note, const std::string& name, const TIMEDATE& time) {
    AddBytes(note, name, TYPE_TIME, &time, sizeof time);
}

void AddRichText(DbNote* note, const std::string& name, const std::string& text) {
    std::string records = ParagraphRecords(text.substr(0, 60000));
    AddBytes(note, name, TYPE_COMPOSITE, records.data(), records.size());
}

TIMEDATE MakeTime(int year, int month, int day, int hour, int minute, int second) {
    TIMEDATE t;
    t.Innards[0] =
        hour < 0 ? ALLDAY : static_cast<DWORD>(((hour * 60 + minute) * 60 + second) * 100);
    t.Innards[1] = static_cast<DWORD>(JulianDay(year, month, day));
    return t;
}

TIMEDATE MakeDateOnly(int year, int month, int day) {
    return MakeTime(year, month, day, -1, 0, 0);
}

void DayAfter2020(long days, int* year, int* month, int* day) {
    CivilDate(JulianDay(2020, 1, 1) + days, year, month, day);
}

SeedMaker FindSeedMaker(const std::string& kind) {
    if (kind == "contacts")
        return MakeContact;
    if (kind == "appointments")
        return MakeAppointment;
    if (kind == "tasks")
        return MakeTask;
    return nullptr;
}
