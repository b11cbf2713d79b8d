#include "notesapi/src/Formula.h"

#include "notesapi/src/ItemList.h"
#include "notesapi/src/Text.h"

#include <cstring>

namespace zns {

namespace {

bool IsNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$';
}

bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

class Parser {
public:
    Parser(const char* text, size_t length, Formula& formula)
        : m_text(text), m_length(length), m_formula(formula) {}

    bool Parse() {
        Blanks();
        if (Word("SELECT"))
            Blanks();
        m_formula.root = Or();
        if (m_formula.root < 0)
            return false;
        Blanks();
        if (Char(';'))
            Blanks();
        return AtEnd();
    }

    size_t Position() const { return m_pos; }

private:
    int Or() {
        int left = And();
        while (left >= 0 && (Blanks(), Char('|')))
            left = Join(FormulaNode::Or, left, And());
        return left;
    }

    int And() {
        int left = Unary();
        while (left >= 0 && (Blanks(), Char('&')))
            left = Join(FormulaNode::And, left, Unary());
        return left;
    }

    int Unary() {
        Blanks();
        if (Peek('!') && !Peek2('=')) {
            ++m_pos;
            return Join(FormulaNode::Not, Unary(), -1);
        }
        if (Char('(')) {
            const int inner = Or();
            Blanks();
            return inner >= 0 && Char(')') ? inner : -1;
        }
        const size_t at = m_pos;
        if (Char('@')) {
            const int function = Function();
            if (function < 0)
                m_pos = at;
            return function;
        }
        return Comparison();
    }

    int Function() {
        FormulaNode node;
        if (Word("All") || Word("True"))
            node.kind = FormulaNode::True;
        else if (Word("False"))
            node.kind = FormulaNode::False;
        else
            return -1;
        return Add(node);
    }

    int Comparison() {
        FormulaNode node;
        node.kind = FormulaNode::Compare;
        if (!Operand(node.a))
            return -1;
        Blanks();
        if (!Operator(node.op))
            return -1;
        Blanks();
        if (!Operand(node.b))
            return -1;
        return Add(node);
    }

    bool Operand(FormulaOperand& operand) {
        if (Peek('"') || Peek('{'))
            return Quoted(operand.text);
        const size_t start = m_pos;
        if (m_pos >= m_length || !IsNameStart(m_text[m_pos]))
            return false;
        while (m_pos < m_length && IsNameChar(m_text[m_pos]))
            ++m_pos;
        operand.item = true;
        operand.text.assign(m_text + start, m_pos - start);
        return true;
    }

    bool Operator(CompareOp& op) {
        if (Char('=')) {
            op = CompareOp::Equal;
        } else if (Char('!')) {
            op = CompareOp::NotEqual;
            return Char('=');
        } else if (Char('<')) {
            op = Char('>') ? CompareOp::NotEqual
                           : (Char('=') ? CompareOp::LessEqual : CompareOp::Less);
        } else if (Char('>')) {
            op = Char('=') ? CompareOp::GreaterEqual : CompareOp::Greater;
        } else {
            return false;
        }
        return true;
    }

    // "..." with a backslash taking the next character as it is, or {...}.
    bool Quoted(std::string& value) {
        const char close = m_text[m_pos++] == '{' ? '}' : '"';
        while (m_pos < m_length) {
            char c = m_text[m_pos++];
            if (c == close)
                return true;
            if (close == '"' && c == '\\' && m_pos < m_length)
                c = m_text[m_pos++];
            value += c;
        }
        return false;
    }

    // A keyword that is not followed by further name characters.
    bool Word(const char* word) {
        const size_t n = std::strlen(word);
        if (m_length - m_pos < n || !EqualNoCase(m_text + m_pos, n, word, n))
            return false;
        if (m_pos + n < m_length && IsNameChar(m_text[m_pos + n]))
            return false;
        m_pos += n;
        return true;
    }

    void Blanks() {
        while (m_pos < m_length && std::strchr(" \t\r\n", m_text[m_pos]) && m_text[m_pos])
            ++m_pos;
    }

    bool Char(char c) {
        if (!Peek(c))
            return false;
        ++m_pos;
        return true;
    }

    bool Peek(char c) const { return m_pos < m_length && m_text[m_pos] == c; }
    bool Peek2(char c) const { return m_pos + 1 < m_length && m_text[m_pos + 1] == c; }
    bool AtEnd() const { return m_pos >= m_length; }

    int Join(FormulaNode::Kind kind, int left, int right) {
        if (left < 0 || (kind != FormulaNode::Not && right < 0))
            return -1;
        FormulaNode node;
        node.kind = kind;
        node.left = left;
        node.right = right;
        return Add(node);
    }

    int Add(const FormulaNode& node) {
        m_formula.nodes.push_back(node);
        return static_cast<int>(m_formula.nodes.size() - 1);
    }

    const char* m_text;
    size_t m_length;
    size_t m_pos = 0;
    Formula& m_formula;
};

// The texts of an operand; false for a value that is not text.
bool OperandTexts(const FormulaOperand& operand, const std::vector<Item>& items,
                  std::vector<std::string>& texts) {
    if (!operand.item) {
        texts.assign(1, operand.text);
        return true;
    }
    const Item* item = FindItem(items, operand.text);
    if (!item) {
        texts.assign(1, std::string());
        return true;
    }
    return ItemTextEntries(*item, texts);
}

int CompareNoCase(const std::string& a, const std::string& b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(LowerAscii(a[i]));
        const unsigned char y = static_cast<unsigned char>(LowerAscii(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool Holds(CompareOp op, int order) {
    switch (op) {
    case CompareOp::Equal:
        return order == 0;
    case CompareOp::NotEqual:
        return order != 0;
    case CompareOp::Less:
        return order < 0;
    case CompareOp::Greater:
        return order > 0;
    case CompareOp::LessEqual:
        return order <= 0;
    case CompareOp::GreaterEqual:
    default:
        return order >= 0;
    }
}

bool CompareMatches(const FormulaNode& node, const std::vector<Item>& items) {
    std::vector<std::string> a, b;
    if (!OperandTexts(node.a, items, a) || !OperandTexts(node.b, items, b))
        return false;
    for (const std::string& x : a)
        for (const std::string& y : b)
            if (Holds(node.op, CompareNoCase(x, y)))
                return true;
    return false;
}

bool NodeMatches(const Formula& formula, int index, const std::vector<Item>& items) {
    const FormulaNode& node = formula.nodes[static_cast<size_t>(index)];
    switch (node.kind) {
    case FormulaNode::True:
        return true;
    case FormulaNode::False:
        return false;
    case FormulaNode::Not:
        return !NodeMatches(formula, node.left, items);
    case FormulaNode::And:
        return NodeMatches(formula, node.left, items) && NodeMatches(formula, node.right, items);
    case FormulaNode::Or:
        return NodeMatches(formula, node.left, items) || NodeMatches(formula, node.right, items);
    case FormulaNode::Compare:
    default:
        return CompareMatches(node, items);
    }
}

void AddName(std::vector<std::string>& names, const FormulaOperand& operand) {
    if (!operand.item)
        return;
    for (const std::string& name : names)
        if (EqualNoCase(name, operand.text))
            return;
    names.push_back(operand.text);
}

} // namespace

bool CompileFormula(const char* text, size_t length, Formula& formula, size_t& errorOffset) {
    Formula parsed;
    Parser p(text ? text : "", text ? length : 0, parsed);
    if (!p.Parse()) {
        errorOffset = p.Position();
        return false;
    }
    formula = parsed;
    return true;
}

std::vector<std::string> FormulaItemNames(const Formula& formula) {
    std::vector<std::string> names;
    for (const FormulaNode& node : formula.nodes) {
        if (node.kind != FormulaNode::Compare)
            continue;
        AddName(names, node.a);
        AddName(names, node.b);
    }
    return names;
}

bool FormulaMatches(const Formula& formula, const std::vector<Item>& items) {
    return formula.root < 0 || NodeMatches(formula, formula.root, items);
}

} // namespace zns
