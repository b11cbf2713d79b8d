#include "NotesDb.h"

#include "DumpText.h"

#include <algorithm>
#include <cstring>

namespace {

const char kAllDocuments[] = "SELECT @All";

STATUS LNCALLBACK CollectId(void* param, SEARCH_MATCH* match, ITEM_TABLE*) {
    SEARCH_MATCH copy;
    std::memcpy(&copy, match, sizeof copy); // may be unaligned
    if (copy.SERetFlags & SE_FMATCH)
        static_cast<std::vector<NOTEID>*>(param)->push_back(copy.ID.NoteID);
    return NOERROR;
}

STATUS LNCALLBACK CollectItem(WORD, WORD flags, char* name, WORD nameLength, void* value,
                              DWORD valueLength, void* param) {
    DbItem item;
    item.name.assign(name, nameLength);
    item.flags = flags;
    if (valueLength >= sizeof(WORD)) {
        std::memcpy(&item.type, value, sizeof item.type);
        item.value.assign(static_cast<const char*>(value) + sizeof(WORD),
                          valueLength - sizeof(WORD));
    }
    static_cast<DbNote*>(param)->items.push_back(item);
    return NOERROR;
}

STATUS AppendItems(NOTEHANDLE hNote, const DbNote& note) {
    for (const DbItem& item : note.items) {
        if (item.name.size() > 0xffff)
            return ERR_INVALID_ITEM;
        STATUS status =
            NSFItemAppend(hNote, item.flags, item.name.data(), static_cast<WORD>(item.name.size()),
                          item.type, item.value.data(), static_cast<DWORD>(item.value.size()));
        if (status != NOERROR)
            return status;
    }
    return NOERROR;
}

} // namespace

std::string StatusText(STATUS status) {
    char text[1024] = "";
    OSLoadString(NULLHANDLE, ERR(status), text, sizeof text);
    std::string out = text[0] ? DumpFromLmbcs(text) : "unknown error";
    return out + " (error code=" + std::to_string(status) + ")";
}

NotesDb::~NotesDb() {
    Close();
}

STATUS NotesDb::Open(const std::string& path) {
    Close();
    return NSFDbOpen(LmbcsFromDump(path).c_str(), &m_hDb);
}

void NotesDb::Close() {
    if (m_hDb != NULLHANDLE)
        NSFDbClose(m_hDb);
    m_hDb = NULLHANDLE;
}

STATUS NotesDb::ListDocuments(std::vector<NOTEID>* ids) {
    FORMULAHANDLE hFormula = NULLHANDLE;
    WORD length = 0, line = 0, column = 0, offset = 0, errorLength = 0;
    STATUS compileError = NOERROR;
    STATUS status =
        NSFFormulaCompile(nullptr, 0, kAllDocuments, sizeof kAllDocuments - 1, &hFormula, &length,
                          &compileError, &line, &column, &offset, &errorLength);
    if (status != NOERROR)
        return status;
    ids->clear();
    status = NSFSearch(m_hDb, hFormula, nullptr, 0, NOTE_CLASS_DOCUMENT, nullptr, CollectId, ids,
                       nullptr);
    OSMemFree(hFormula);
    std::sort(ids->begin(), ids->end());
    return status;
}

STATUS NotesDb::ReadNote(NOTEID id, DbNote* note) {
    NOTEHANDLE hNote = NULLHANDLE;
    STATUS status = NSFNoteOpen(m_hDb, id, 0, &hNote);
    if (status != NOERROR)
        return status;
    note->id = id;
    note->items.clear();
    status = NSFItemScan(hNote, CollectItem, note);
    NSFNoteClose(hNote);
    return status;
}

STATUS NotesDb::CreateNote(const DbNote& note) {
    NOTEHANDLE hNote = NULLHANDLE;
    STATUS status = NSFNoteCreate(m_hDb, &hNote);
    if (status != NOERROR)
        return status;
    status = AppendItems(hNote, note);
    if (status == NOERROR)
        status = NSFNoteUpdate(hNote, 0);
    NSFNoteClose(hNote);
    return status;
}

STATUS NotesDb::DeleteNote(NOTEID id) {
    return NSFNoteDelete(m_hDb, id, 0);
}

STATUS NotesDb::BeginBatch() {
    return ZNSBeginBatch(m_hDb);
}

STATUS NotesDb::EndBatch(bool commit) {
    return ZNSEndBatch(m_hDb, commit ? TRUE : FALSE);
}
