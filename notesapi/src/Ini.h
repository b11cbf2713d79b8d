// A tiny reader for notes.ini: sections and keys compare without case,
// values lose surrounding blanks and one pair of surrounding quotes.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace zns {

class IniFile {
public:
    using Entry = std::pair<std::string, std::string>;

    // False when the file cannot be read.
    bool Load(const std::string& path);

    // Keys before the first section header belong to the section "".
    bool Get(const std::string& section, const std::string& key, std::string& value) const;
    std::vector<Entry> Entries(const std::string& section) const;

private:
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    std::vector<Section> m_sections;
};

} // namespace zns
