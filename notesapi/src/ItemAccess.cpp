#include "notesapi/src/ItemAccess.h"

#include "notesapi/src/Handles.h"
#include "notesapi/src/ItemList.h"
#include "notesapi/src/Text.h"

namespace zns {

const Item* FirstItemOf(NOTEHANDLE hNote, const char* itemName) {
    NoteObject* note = FindHandle<NoteObject>(hNote);
    if (!note || !itemName)
        return nullptr;
    return FindItem(note->data.items, NameArgument(itemName, MAXWORD));
}

WORD PutItemText(NOTEHANDLE hNote, const char* itemName, char* buffer, std::size_t size,
                 const std::function<bool(const Item&, std::string&)>& read) {
    if (!buffer || size == 0)
        return 0;
    buffer[0] = '\0';
    const Item* item = FirstItemOf(hNote, itemName);
    std::string text;
    if (!item || !read(*item, text))
        return 0;
    return static_cast<WORD>(CopyText(buffer, size, text));
}

STATUS SetItemOf(NOTEHANDLE hNote, const char* itemName, WORD type, const void* value,
                 std::size_t length) {
    NoteObject* note = nullptr;
    const STATUS status = FindChangeableNote(hNote, &note);
    if (status != NOERROR)
        return status;
    const std::string name = NameArgument(itemName, MAXWORD);
    if (name.empty() || (!value && length > 0))
        return ERR_INVALID_ITEM;
    ReplaceItem(note->data.items, MakeItem(name, ITEM_SUMMARY, type, value, length));
    return NOERROR;
}

} // namespace zns
