// The texts of the statuses the stand-in returns: the real API's for its
// codes, the stand-in's own for the others.
#include "notesapi/src/Api.h"

#include "notesapi/src/Text.h"

namespace {

struct StatusText {
    STATUS code;
    const char* text;
};

const StatusText kTexts[] = {
    {ERR_NOEXIST, "File does not exist"},
    {ERR_EXISTS, "File already exists"},
    {ERR_LOCK, "File is in use by another program"},
    {ERR_IOERROR, "I/O data error"},
    {ERR_OS_FREE_HANDLE, "LookupHandle: handle not allocated"},
    {ERR_SEGMENT_TOO_BIG, "Memory allocation request exceeded 65,000 bytes"},
    {ERR_NOT_NSF, "File is not a database"},
    {ERR_CONFLICT, "Someone else modified this document at the same time"},
    {ERR_ITEM_NOT_FOUND, "Note item not found"},
    {ERR_NOTE_DELETED, "Document has been deleted"},
    {ERR_INVALID_NOTE, "Invalid or nonexistent document"},
    {ERR_ITEM_DATATYPE, "field in note has wrong datatype"},
    {ERR_BAD_PARAM, "(invalid usage - see NSF documentation)"},
    {ERR_NOACCESS, "You are not authorized to perform that operation"},
    {ERR_TDI_CONV, "Unable to interpret Time or Date"},
    {ERR_TDO_CONV, "Invalid Time or Date Encountered"},
    {ERR_FORMULA_COMPILATION, "Formula Error"},
    {ERR_ODS_NO_SUCH_ENTRY, "No such entry"},
    {ERR_SERVER_NOT_RESPONDING, "The server is not responding"},
    {ERR_BSAFE_CORRUPTIDFILE, "The specified ID file has been corrupted, or is not an ID file"},
    {ERR_SECURE_BADPASSWORD, "Wrong Password. (Passwords are case sensitive)"},
    {ERR_NOT_INITIALIZED, "The Notes API has not been initialized"},
    {ERR_OLD_FORMAT, "The database holds its text in code page 1252, as earlier stand-ins wrote "
                     "it: convert it once with notesdb convert"},
};

} // namespace

WORD LNPUBLIC OSLoadString(HMODULE, STATUS StringCode, char* retBuffer, WORD BufferLength) {
    if (retBuffer && BufferLength > 0)
        retBuffer[0] = '\0';
    STATUS code = ERR(StringCode);
    for (const StatusText& entry : kTexts) {
        if (entry.code != code)
            continue;
        return static_cast<WORD>(zns::CopyText(retBuffer, BufferLength, entry.text));
    }
    return 0;
}
