// Items shared by the documents of the mail-database kinds.
#pragma once
#include <cstddef>
#include <cstdint>

#include "nsfdata.h"

// A "$PublicAccess" text: private unless it begins with "1".
uint8_t LNIsPrivate(const char* value, std::size_t length);

// Set without comparing; a failure is logged.
void LNNewText(NOTEHANDLE note, const char* item, const char* text);
void LNNewNumber(NOTEHANDLE note, const char* item, NUMBER number);

// The alarm, organiser table, access, sender and icon items of a new
// appointment ("C0") or task ("T0").
void LNNewMailItems(NOTEHANDLE note, const char* orgTable, bool isPrivate);

// How a record field of a mail kind takes an item's value; a kind numbers
// its own values from LN_VALUE_OWN on.
enum : int {
    LN_VALUE_NONE,
    LN_VALUE_TEXT,
    LN_VALUE_TIME,
    LN_VALUE_BODY,
    LN_VALUE_RESPONSE,
    LN_VALUE_PUBLIC,
    LN_VALUE_OWN
};

struct tagLNMailField {
    int nValue;
    std::size_t nOffset;
    std::size_t nSize;
};

#define LN_MAIL_FIELD(Rec, value, member)                                                          \
    { LN_VALUE_##value, offsetof(Rec, member), sizeof(Rec::member) }
#define LN_MAIL_VALUE(value)                                                                       \
    { LN_VALUE_##value, 0, 0 }

// The item types the mail kinds read: text, time, number and rich text.
bool LNMailTakesType(WORD type);

// Stores a text, time or body value into its field of `rec`; false for any
// value that is neither (nor LN_VALUE_NONE).
bool LNReadMailValue(const tagLNMailField& field, void* rec, WORD type, const char* value,
                     std::size_t length);

// LNReadMailValue, plus "$REF" and "$PublicAccess"; false for a kind's own value.
template <class Rec>
bool LNReadMailField(const tagLNMailField& field, Rec* rec, WORD type, const char* value,
                     std::size_t length) {
    switch (field.nValue) {
    case LN_VALUE_RESPONSE:
        rec->bResponse = 1;
        return true;
    case LN_VALUE_PUBLIC:
        if (type == TYPE_TEXT)
            rec->bPrivate = LNIsPrivate(value, length);
        return true;
    default:
        return LNReadMailValue(field, rec, type, value, length);
    }
}

// ReadItem of a mail kind: the value goes to the field of `id`, the kind's own
// value (LN_VALUE_OWN) to `readOwn`; an id outside the fields is dropped.
template <class Rec, int Count>
void LNReadMailItem(const tagLNMailField (&fields)[Count], void* record, int id, WORD type,
                    const char* value, std::size_t length,
                    void (*readOwn)(Rec* rec, WORD type, const char* value, std::size_t length)) {
    if (id < 0 || id >= Count)
        return;
    Rec* rec = static_cast<Rec*>(record);
    if (fields[id].nValue == LN_VALUE_OWN)
        readOwn(rec, type, value, length);
    else
        LNReadMailField(fields[id], rec, type, value, length);
}
