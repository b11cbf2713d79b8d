// Changes one text item of a document in place, as a user editing it in
// Notes would: the document keeps its note ID and gets a new sequence.
#include "Commands.h"
#include "DumpText.h"
#include "NotesDb.h"

namespace {

STATUS SetText(DBHANDLE db, NOTEID id, const std::string& item, const std::string& text) {
    NOTEHANDLE note = NULLHANDLE;
    STATUS status = NSFNoteOpen(db, id, 0, &note);
    if (status != NOERROR)
        return status;
    status = NSFItemSetText(note, item.c_str(), text.c_str(), static_cast<WORD>(text.size()));
    if (status == NOERROR)
        status = NSFNoteUpdate(note, 0);
    NSFNoteClose(note);
    return status;
}

} // namespace

int SetCommand(const std::string& path, unsigned long id, const std::string& itemName,
               const std::string& value) {
    const std::string item = LmbcsFromDump(itemName), text = LmbcsFromDump(value);
    if (text.size() > 0xfffe)
        return Fail("the text for " + itemName + " is too long");
    DBHANDLE db = NULLHANDLE;
    STATUS status = NSFDbOpen(LmbcsFromDump(path).c_str(), &db);
    if (status != NOERROR)
        return Fail("cannot open " + path + ": " + StatusText(status));
    status = SetText(db, static_cast<NOTEID>(id), item, text);
    NSFDbClose(db);
    if (status != NOERROR)
        return Fail("cannot set " + itemName + " of note " + std::to_string(id) + " in " + path +
                    ": " + StatusText(status));
    return 0;
}
