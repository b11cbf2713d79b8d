// Writing one Notes item from a record field. Every write reads the item
// first and leaves it alone when it already holds the value, so a write-back
// touches only what changed.
#pragma once
#include <cstddef>

#include "nsfdata.h"

class CxLNBaseUtil;

// The note being written and who collects its error entries.
struct tagLNItemWriter {
    NOTEHANDLE hNote;
    NOTEID nNoteID;       // 0 for a note not stored yet
    CxLNBaseUtil* pOwner; // receives an entry for every item left alone on purpose
};

// An empty `value` writes nothing. An item of another type than plain text
// (a text list, rich text) is never replaced by a text: it is left alone,
// logged and reported. `capacity` is the size of the record field the value
// came from: a document text that, cut to it, equals `value` is not written.
void LNWriteTextItem(const tagLNItemWriter& writer, const char* item, const char* value,
                     std::size_t capacity);

// Logs and reports that `item` is no plain text and is left unchanged.
void LNReportLeftAlone(const tagLNItemWriter& writer, const char* item);

// A date of 0 is no date and leaves the item alone; a date without time of
// day equals the document's date alone of that day.
void LNWriteTimeItem(const tagLNItemWriter& writer, const char* item, double date);

void LNWriteNumberItem(const tagLNItemWriter& writer, const char* item, int value);

// LNWriteTextItem of a record's text field, its capacity being its size.
template <std::size_t N>
void LNWriteText(const tagLNItemWriter& writer, const char* item, const char (&value)[N]) {
    LNWriteTextItem(writer, item, value, N);
}
