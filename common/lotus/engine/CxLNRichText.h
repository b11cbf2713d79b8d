// Rich-text bodies: the text of CD records, the records of a text, and the
// "Body" item of a note as a load sees it.
#pragma once
#include <cstddef>
#include <string>

#include "common/lotus/engine/CxLNItemWrite.h"

// The text of rich-text records (the value after its type word): the text
// runs in order, a zero byte in a run and every paragraph after the first
// being a line break "\r\n". Cut to `size` - 1 characters and terminated;
// malformed records end the text.
void LNRichTextToText(const char* value, std::size_t length, char* text, std::size_t size);

// One paragraph holding `text`, carriage returns dropped and line feeds made
// zero bytes: paragraph definition, its reference, paragraph start, text run.
std::string LNTextToRichText(const char* text);

enum LNBodyType { LN_BODY_NONE, LN_BODY_TEXT, LN_BODY_RICH_TEXT, LN_BODY_OTHER };

// Type of the note's first item `item`, and for plain or rich text its text
// as a load into a field of `size` bytes reads it.
LNBodyType LNReadBody(NOTEHANDLE note, const char* item, char* text, std::size_t size);

// Writes `body` as the rich-text item `item` when it is not empty and differs
// from the note's text: every earlier item of the name is deleted first, so
// the note keeps one.
void LNWriteRichTextItem(const tagLNItemWriter& writer, const char* item, const char* body,
                         std::size_t capacity);
