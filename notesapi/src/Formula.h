// The selection formulas the stand-in understands, with or without SELECT
// and a closing ';': @All, @True, @False and comparisons of items and texts
// (=, !=, <>, <, >, <=, >=), joined by &, | and ! with parentheses. Keywords,
// @functions and item names (the letters A to Z, digits, _ and $) go without
// case; texts are quoted ("X" or {X}).
#pragma once
#include "notesapi/src/Note.h"

#include <string>
#include <vector>

namespace zns {

enum class CompareOp { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

struct FormulaOperand {
    bool item = false; // an item's value, else the text itself
    std::string text;  // the item name or the text
};

struct FormulaNode {
    enum Kind { True, False, Not, And, Or, Compare } kind = True;
    int left = -1, right = -1; // children; Not has only `left`
    CompareOp op = CompareOp::Equal;
    FormulaOperand a, b;
};

struct Formula {
    std::vector<FormulaNode> nodes;
    int root = -1;
};

// False with the offset of the first character not understood.
bool CompileFormula(const char* text, size_t length, Formula& formula, size_t& errorOffset);

// The item names a formula reads, each once.
std::vector<std::string> FormulaItemNames(const Formula& formula);

// Whether a note whose items of those names are `items` is selected. An
// item missing reads as the empty text, as in Notes; a comparison holds when
// it holds for any entry of a list against any entry of the other side, and
// never for a value that is not text. Letters compare without case.
bool FormulaMatches(const Formula& formula, const std::vector<Item>& items);

} // namespace zns
