#include "notesapi/src/Ini.h"

#include "notesapi/src/Text.h"

#include <fstream>

namespace zns {

namespace {
std::string Unquote(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}
} // namespace

bool IniFile::Load(const std::string& path) {
    m_sections.assign(1, Section());
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        std::string text = Trim(line);
        if (text.empty() || text[0] == ';' || text[0] == '#')
            continue;
        if (text.front() == '[' && text.back() == ']') {
            m_sections.push_back(Section{Trim(text.substr(1, text.size() - 2)), {}});
            continue;
        }
        std::size_t equals = text.find('=');
        if (equals == std::string::npos)
            continue;
        m_sections.back().entries.emplace_back(Trim(text.substr(0, equals)),
                                               Unquote(Trim(text.substr(equals + 1))));
    }
    return true;
}

bool IniFile::Get(const std::string& section, const std::string& key, std::string& value) const {
    for (const Section& s : m_sections) {
        if (!EqualNoCase(s.name, section))
            continue;
        for (const Entry& e : s.entries) {
            if (EqualNoCase(e.first, key)) {
                value = e.second;
                return true;
            }
        }
    }
    return false;
}

std::vector<IniFile::Entry> IniFile::Entries(const std::string& section) const {
    std::vector<Entry> all;
    for (const Section& s : m_sections)
        if (EqualNoCase(s.name, section))
            all.insert(all.end(), s.entries.begin(), s.entries.end());
    return all;
}

} // namespace zns
