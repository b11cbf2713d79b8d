#include "VxKeyText.h"

namespace {

unsigned char Fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: // S caron
    case 0x8C: // OE
    case 0x8E: // Z caron
        return static_cast<unsigned char>(c + 16);
    case 0x9F: // Y diaeresis
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

bool FUSameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(static_cast<unsigned char>(a[i])) != Fold(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string FUTrimText(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string FUKeyText(const std::string& text) {
    std::string key;
    FUKeyTextInto(text.data(), text.size(), &key);
    return key;
}

void FUKeyTextInto(const char* text, std::size_t size, std::string* key) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t first = 0, last = size;
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    key->assign(text + first, last - first);
    for (char& c : *key)
        c = static_cast<char>(Fold(static_cast<unsigned char>(c)));
}

bool FUSameKey(const std::string& a, const std::string& b) {
    return FUSameText(FUTrimText(a), FUTrimText(b));
}
