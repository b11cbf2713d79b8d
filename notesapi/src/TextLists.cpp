// The text list calls: entries of an item, lists made and grown, and the
// entries of a list in memory.
#include "notesapi/src/Handles.h"
#include "notesapi/src/ItemAccess.h"
#include "notesapi/src/ItemList.h"
#include "notesapi/src/Session.h"
#include "notesapi/src/Text.h"
#include "notesapi/src/TextListValue.h"

#include <algorithm>
#include <cstring>

namespace {

std::string TextArgument(const char* text, WORD length) {
    if (!text)
        return std::string();
    return std::string(text, length == MAXWORD ? std::strlen(text) : length);
}

bool Entries(NOTEHANDLE hNote, const char* itemName, std::vector<std::string>& entries) {
    const zns::Item* item = zns::FirstItemOf(hNote, itemName);
    return item && zns::ItemTextEntries(*item, entries);
}

STATUS PutList(zns::Item& item, const std::vector<std::string>& entries) {
    std::vector<uint8_t> value;
    if (!zns::MakeTextList(entries, value))
        return ERR_SEGMENT_TOO_BIG;
    const int64_t row = item.row;
    item = zns::MakeItem(item.name, item.flags, TYPE_TEXT_LIST, value.data(), value.size());
    item.row = row;
    return NOERROR;
}

} // namespace

WORD LNPUBLIC NSFItemGetTextListEntries(NOTEHANDLE hNote, const char* ItemName) {
    ZNS_REQUIRE_INIT(0);
    std::vector<std::string> entries;
    return Entries(hNote, ItemName, entries) ? static_cast<WORD>(entries.size()) : 0;
}

WORD LNPUBLIC NSFItemGetTextListEntry(NOTEHANDLE hNote, const char* ItemName, WORD EntryPos,
                                      char* retBuffer, WORD BufferLength) {
    ZNS_REQUIRE_INIT(0);
    return zns::PutItemText(hNote, ItemName, retBuffer, static_cast<size_t>(BufferLength) + 1,
                            [EntryPos](const zns::Item& item, std::string& text) {
                                std::vector<std::string> entries;
                                if (!zns::ItemTextEntries(item, entries) ||
                                    EntryPos >= entries.size())
                                    return false;
                                text = entries[EntryPos];
                                return true;
                            });
}

STATUS LNPUBLIC NSFItemCreateTextList(NOTEHANDLE hNote, const char* ItemName, const char* Text,
                                      WORD TextLength) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    std::vector<uint8_t> value;
    if (!zns::MakeTextList({TextArgument(Text, TextLength)}, value))
        return ERR_SEGMENT_TOO_BIG;
    return zns::SetItemOf(hNote, ItemName, TYPE_TEXT_LIST, value.data(), value.size());
}

STATUS LNPUBLIC NSFItemAppendTextList(NOTEHANDLE hNote, const char* ItemName, const char* Text,
                                      WORD TextLength, BOOL fAllowDuplicates) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::NoteObject* note = nullptr;
    const STATUS status = zns::FindChangeableNote(hNote, &note);
    if (status != NOERROR)
        return status;
    const std::string entry = TextArgument(Text, TextLength);
    zns::Item* item = zns::FindItem(note->data.items, zns::NameArgument(ItemName, MAXWORD));
    if (!item)
        return NSFItemCreateTextList(hNote, ItemName, entry.data(),
                                     static_cast<WORD>(entry.size()));
    std::vector<std::string> entries;
    if (!zns::ItemTextEntries(*item, entries))
        return ERR_ITEM_DATATYPE;
    if (!fAllowDuplicates && std::find(entries.begin(), entries.end(), entry) != entries.end())
        return NOERROR;
    entries.push_back(entry);
    return PutList(*item, entries);
}

STATUS LNPUBLIC ListGetText(const void* pList, BOOL fPrefixDataType, WORD EntryNumber,
                            char** retTextPointer, WORD* retTextLength) {
    if (!pList)
        return ERR_BAD_ARGUMENT;
    const uint8_t* list = static_cast<const uint8_t*>(pList) + (fPrefixDataType ? 2 : 0);
    const WORD count = zns::GetWord(list);
    if (EntryNumber >= count)
        return ERR_ODS_NO_SUCH_ENTRY;
    size_t offset = 2 + 2 * static_cast<size_t>(count);
    for (WORD i = 0; i < EntryNumber; ++i)
        offset += zns::GetWord(list + 2 + 2 * i);
    zns::PutIf<char*>(retTextPointer, reinterpret_cast<char*>(const_cast<uint8_t*>(list + offset)));
    zns::PutIf<WORD>(retTextLength, zns::GetWord(list + 2 + 2 * EntryNumber));
    return NOERROR;
}
