#include "DumpFile.h"

#include <cstdio>
#include <istream>
#include <ostream>

#include "ItemText.h"

namespace {

bool ParseHeader(const std::string& line, NOTEID* id) {
    unsigned long value = 0;
    int used = 0;
    if (std::sscanf(line.c_str(), "[note %lu]%n", &value, &used) != 1 ||
        static_cast<std::size_t>(used) != line.size() || value > 0xffffffffUL)
        return false;
    *id = static_cast<NOTEID>(value);
    return true;
}

} // namespace

void WriteDump(std::ostream& out, const DbNote& note) {
    out << "[note " << note.id << "]\n";
    for (const DbItem& item : note.items)
        out << FormatItem(item) << '\n';
    out << '\n';
}

bool ReadDump(std::istream& in, std::vector<DbNote>* notes, std::string* error) {
    std::vector<DbNote> read;
    std::string line;
    bool inNote = false;
    for (long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back(); // a CR of the text itself is always escaped
        std::string reason;
        if (line.empty()) {
            inNote = false;
        } else if (line[0] == '#') {
            continue;
        } else if (line[0] == '[') {
            read.emplace_back();
            inNote = ParseHeader(line, &read.back().id);
            if (!inNote)
                reason = "bad note header \"" + line + "\"";
        } else if (!inNote) {
            reason = "item outside a note block";
        } else {
            DbItem item;
            if (ParseItem(line, &item, &reason))
                read.back().items.push_back(item);
        }
        if (!reason.empty()) {
            *error = "line " + std::to_string(number) + ": " + reason;
            return false;
        }
    }
    notes->swap(read);
    return true;
}
