// The texts of the statuses the stand-in returns.
#include "notesapi/src/Api.h"

#include "notesapi/src/Text.h"

namespace {

struct StatusText {
    STATUS code;
    const char* text;
};

const StatusText kTexts[] = {
    {ERR_NOEXIST, "File does not exist"},
    {ERR_NOT_NSF, "File is not a database"},
    {ERR_CONFLICT, "Someone else modified this document at the same time"},
    {ERR_ITEM_NOT_FOUND, "Note item not found"},
    {ERR_NOTE_DELETED, "Document has been deleted"},
    {ERR_INVALID_NOTE, "Invalid or nonexistent document"},
    {ERR_NOACCESS, "You are not authorized to perform that operation"},
    {ERR_TDI_CONV, "Unable to interpret Time or Date"},
    {ERR_TDO_CONV, "Unable to convert Time or Date to text"},
    {ERR_FORMULA_COMPILATION, "Formula Error"},
    {ERR_SECURE_BADPASSWORD, "Wrong Password. (Passwords are case sensitive)"},
    {ERR_SERVER_NOT_RESPONDING, "The server is not responding"},
    {ERR_DATABASE_BUSY, "The database is busy: another process is using it"},
    {ERR_INVALID_HANDLE, "Invalid handle"},
    {ERR_NOT_ID_FILE, "File is not an ID file"},
    {ERR_NOT_INITIALIZED, "The Notes API has not been initialized"},
    {ERR_INVALID_ITEM, "Invalid item name or value"},
    {ERR_BAD_ARGUMENT, "Invalid argument"},
    {ERR_FILE_EXISTS, "File already exists"},
    {ERR_DATABASE_IO, "The database file could not be read or written"},
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
