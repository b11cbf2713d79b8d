// The item calls on an open note.
#include "notesapi/src/Handles.h"
#include "notesapi/src/ItemAccess.h"
#include "notesapi/src/ItemList.h"
#include "notesapi/src/Session.h"
#include "notesapi/src/Text.h"

#include <algorithm>
#include <cstring>

namespace {

// Values beyond this are refused rather than trusted.
const DWORD kMaxValueLength = 64u * 1024u * 1024u;

zns::NoteObject* Note(NOTEHANDLE hNote) {
    return zns::FindHandle<zns::NoteObject>(hNote);
}

} // namespace

STATUS LNPUBLIC NSFItemScan(NOTEHANDLE hNote, NSFITEMSCANPROC ActionRoutine,
                            void* RoutineParameter) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::NoteObject* note = Note(hNote);
    if (!note)
        return ERR_INVALID_HANDLE;
    if (!ActionRoutine)
        return ERR_BAD_ARGUMENT;
    // The items are handed out in place, not copied: calls that would change
    // or close the note are refused until the scan ends.
    ++note->scanning;
    const unsigned closings = zns::HandleClosings();
    STATUS status = NOERROR;
    for (size_t i = 0; status == NOERROR && i < note->data.items.size(); ++i) {
        zns::Item& item = note->data.items[i];
        WORD nameLength = static_cast<WORD>(std::min<size_t>(item.name.size(), MAXWORD));
        status = ActionRoutine(0, item.flags, &item.name[0], nameLength, item.value.data(),
                               static_cast<DWORD>(item.value.size()), RoutineParameter);
        // Only an end of the whole session takes a scanned note away.
        if (zns::HandleClosings() != closings)
            return status != NOERROR ? status : ERR_INVALID_HANDLE;
    }
    --note->scanning;
    return status;
}

STATUS LNPUBLIC NSFItemSetText(NOTEHANDLE hNote, const char* ItemName, const char* Text,
                               WORD TextLength) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    size_t length = TextLength;
    if (TextLength == MAXWORD)
        length = Text ? std::strlen(Text) : 0;
    return zns::SetItemOf(hNote, ItemName, TYPE_TEXT, Text, length);
}

WORD LNPUBLIC NSFItemGetText(NOTEHANDLE hNote, const char* ItemName, char* retBuffer,
                             WORD BufferLength) {
    ZNS_REQUIRE_INIT(0);
    return zns::PutItemText(hNote, ItemName, retBuffer, BufferLength, zns::ItemText);
}

STATUS LNPUBLIC NSFItemSetTime(NOTEHANDLE hNote, const char* ItemName, const TIMEDATE* Time) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!Time)
        return ERR_INVALID_ITEM;
    std::vector<uint8_t> bytes;
    zns::PutDword(bytes, Time->Innards[0]);
    zns::PutDword(bytes, Time->Innards[1]);
    return zns::SetItemOf(hNote, ItemName, TYPE_TIME, bytes.data(), bytes.size());
}

STATUS LNPUBLIC NSFItemSetNumber(NOTEHANDLE hNote, const char* ItemName, const NUMBER* Number) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!Number)
        return ERR_INVALID_ITEM;
    return zns::SetItemOf(hNote, ItemName, TYPE_NUMBER, Number, sizeof *Number);
}

BOOL LNPUBLIC NSFItemTextEqual(NOTEHANDLE hNote, const char* ItemName, const char* Text,
                               WORD TextLength, BOOL fCaseSensitive) {
    ZNS_REQUIRE_INIT(FALSE);
    const zns::Item* item = zns::FirstItemOf(hNote, ItemName);
    std::string stored;
    if (!item || !zns::ItemText(*item, stored))
        return FALSE;
    size_t length = TextLength;
    if (TextLength == MAXWORD || !Text)
        length = Text ? std::strlen(Text) : 0;
    std::string given(Text ? Text : "", length);
    return fCaseSensitive ? stored == given : zns::EqualNoCase(stored, given);
}

BOOL LNPUBLIC NSFItemTimeCompare(NOTEHANDLE hNote, const char* ItemName, const TIMEDATE* Time,
                                 int* retVal) {
    ZNS_REQUIRE_INIT(FALSE);
    const zns::Item* item = zns::FirstItemOf(hNote, ItemName);
    TIMEDATE stored;
    if (!item || !Time || !zns::ItemTime(*item, stored))
        return FALSE;
    // Date first, then time of day; the zone bits take no part.
    auto key = [](const TIMEDATE& t) {
        return (static_cast<uint64_t>(t.Innards[1] & 0xffffff) << 32) | t.Innards[0];
    };
    uint64_t a = key(stored), b = key(*Time);
    if (retVal)
        *retVal = a < b ? -1 : (a > b ? 1 : 0);
    return TRUE;
}

BOOL LNPUBLIC NSFItemGetTime(NOTEHANDLE hNote, const char* ItemName, TIMEDATE* retTime) {
    ZNS_REQUIRE_INIT(FALSE);
    const zns::Item* item = zns::FirstItemOf(hNote, ItemName);
    TIMEDATE time;
    if (!item || !retTime || !zns::ItemTime(*item, time))
        return FALSE;
    *retTime = time;
    return TRUE;
}

BOOL LNPUBLIC NSFItemGetNumber(NOTEHANDLE hNote, const char* ItemName, NUMBER* retNumber) {
    ZNS_REQUIRE_INIT(FALSE);
    const zns::Item* item = zns::FirstItemOf(hNote, ItemName);
    NUMBER number;
    if (!item || !retNumber || !zns::ItemNumber(*item, number))
        return FALSE;
    *retNumber = number;
    return TRUE;
}

STATUS LNPUBLIC NSFItemAppend(NOTEHANDLE hNote, WORD ItemFlags, const char* Name,
                              WORD NameLength, WORD DataType, const void* Value,
                              DWORD ValueLength) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::NoteObject* note = nullptr;
    const STATUS status = zns::FindChangeableNote(hNote, &note);
    if (status != NOERROR)
        return status;
    std::string name = zns::NameArgument(Name, NameLength);
    if (name.empty() || (!Value && ValueLength > 0) || ValueLength > kMaxValueLength)
        return ERR_INVALID_ITEM;
    note->data.items.push_back(zns::MakeItem(name, ItemFlags, DataType, Value, ValueLength));
    return NOERROR;
}

STATUS LNPUBLIC NSFItemDelete(NOTEHANDLE hNote, const char* Name, WORD NameLength) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::NoteObject* note = nullptr;
    const STATUS status = zns::FindChangeableNote(hNote, &note);
    if (status != NOERROR)
        return status;
    if (!zns::DeleteFirstItem(note->data.items, zns::NameArgument(Name, NameLength)))
        return ERR_ITEM_NOT_FOUND;
    return NOERROR;
}

STATUS LNPUBLIC NSFItemInfo(NOTEHANDLE hNote, const char* Name, WORD NameLength,
                            BLOCKID* retbhItem, WORD* retDataType, BLOCKID* retbhValue,
                            DWORD* retValueLength) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::NoteObject* note = Note(hNote);
    if (!note)
        return ERR_INVALID_HANDLE;
    const zns::Item* item = zns::FindItem(note->data.items, zns::NameArgument(Name, NameLength));
    if (!item)
        return ERR_ITEM_NOT_FOUND;
    const BLOCKID none = {NULLHANDLE, 0};
    if (retbhItem)
        *retbhItem = none;
    if (retbhValue)
        *retbhValue = none;
    if (retDataType)
        *retDataType = item->Type();
    if (retValueLength)
        *retValueLength = static_cast<DWORD>(item->value.size());
    return NOERROR;
}
