#include "notesapi/src/Formula.h"

#include "notesapi/src/Text.h"

#include <cstring>

namespace zns {

namespace {

class Parser {
public:
    Parser(const char* text, size_t length) : m_text(text), m_length(length) {}

    void SkipBlanks() {
        while (m_pos < m_length && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' ||
                                    m_text[m_pos] == '\r' || m_text[m_pos] == '\n'))
            ++m_pos;
    }

    // A keyword that is not followed by further name characters.
    bool Word(const char* word) {
        size_t n = std::strlen(word);
        if (m_length - m_pos < n || !EqualNoCase(m_text + m_pos, n, word, n))
            return false;
        if (m_pos + n < m_length && IsNameChar(m_text[m_pos + n]))
            return false;
        m_pos += n;
        return true;
    }

    bool Char(char c) {
        if (m_pos >= m_length || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }

    // A quoted text; a backslash takes the next character as it is.
    bool Quoted(std::string& value) {
        if (!Char('"'))
            return false;
        while (m_pos < m_length) {
            char c = m_text[m_pos++];
            if (c == '"')
                return true;
            if (c == '\\' && m_pos < m_length)
                c = m_text[m_pos++];
            value += c;
        }
        return false;
    }

    bool AtEnd() const { return m_pos >= m_length; }
    size_t Position() const { return m_pos; }

private:
    static bool IsNameChar(char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '$';
    }

    const char* m_text;
    size_t m_length;
    size_t m_pos = 0;
};

bool ParseCondition(Parser& p, Formula& formula) {
    if (p.Char('@')) {
        formula.all = p.Word("All");
        return formula.all;
    }
    if (!p.Word("Form"))
        return false;
    p.SkipBlanks();
    if (!p.Char('='))
        return false;
    p.SkipBlanks();
    return p.Quoted(formula.form);
}

bool ParseFormula(Parser& p, Formula& formula) {
    p.SkipBlanks();
    if (!p.Word("SELECT"))
        return false;
    p.SkipBlanks();
    if (!ParseCondition(p, formula))
        return false;
    p.SkipBlanks();
    if (p.Char(';'))
        p.SkipBlanks();
    return p.AtEnd();
}

bool EntryMatches(const std::string& form, const uint8_t* bytes, size_t length) {
    return EqualNoCase(form.data(), form.size(), reinterpret_cast<const char*>(bytes), length);
}

bool TextListMatches(const std::string& form, const uint8_t* bytes, size_t size) {
    if (size < 2)
        return false;
    WORD count = GetWord(bytes);
    size_t offset = 2 + 2 * static_cast<size_t>(count);
    if (offset > size)
        return false;
    for (WORD i = 0; i < count; ++i) {
        size_t length = GetWord(bytes + 2 + 2 * i);
        if (length > size - offset)
            return false;
        if (EntryMatches(form, bytes + offset, length))
            return true;
        offset += length;
    }
    return false;
}

} // namespace

bool CompileFormula(const char* text, size_t length, Formula& formula, size_t& errorOffset) {
    Formula parsed;
    Parser p(text ? text : "", text ? length : 0);
    if (!ParseFormula(p, parsed)) {
        errorOffset = p.Position();
        return false;
    }
    formula = parsed;
    return true;
}

std::string FormulaItemName(const Formula& formula) {
    return formula.all ? std::string() : std::string("Form");
}

bool FormulaMatches(const Formula& formula, const Item* item) {
    if (formula.all)
        return true;
    if (!item)
        return false;
    const uint8_t* bytes = item->value.data() + 2;
    size_t size = item->value.size() - 2;
    if (item->Type() == TYPE_TEXT)
        return EntryMatches(formula.form, bytes, size);
    if (item->Type() == TYPE_TEXT_LIST)
        return TextListMatches(formula.form, bytes, size);
    return false;
}

} // namespace zns
