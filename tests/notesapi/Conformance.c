/* A program written against the published Notes C API alone, as a program
 * of the toolkit would be: it exercises every call the stand-in provides and
 * checks the documented results. Built as C99 and as C++98.
 *
 * Runs in a Notes program folder whose data folder holds simple.nsf (the
 * three documents of tests/notesapi/samples/simple.txt), an empty
 * writable.nsf and user.id (user "Ann Example", password "secret"). Exit
 * status 0 when every check held; each failure is named on stderr. */
#include <stdio.h>
#include <string.h>

#include "editods.h"
#include "global.h"
#include "idtable.h"
#include "kfm.h"
#include "lapicinc.h"
#include "misc.h"
#include "miscerr.h"
#include "nsfdb.h"
#include "nsferr.h"
#include "nsfnote.h"
#include "nsfsearc.h"
#include "ods.h"
#include "odserr.h"
#include "oserr.h"
#include "osfile.h"
#include "osmem.h"
#include "osmisc.h"
#include "ostime.h"
#include "secerr.h"
#include "textlist.h"

#include "Check.h"


#define MAX_FOUND 16

typedef struct {
    NOTEID ids[MAX_FOUND];
    int count;
    char firstText[64];
    char secondEntry[64];
    WORD summaryLength;
} Found;

/* A formula compiled; NULLHANDLE when it was refused. */
static FORMULAHANDLE Compile(const char* text) {
    FORMULAHANDLE formula = NULLHANDLE;
    WORD length = 0, line = 0, column = 0, offset = 0, errorLength = 0;
    STATUS error = NOERROR;
    STATUS status = NSFFormulaCompile(NULL, 0, text, (WORD)strlen(text), &formula, &length, &error,
                                      &line, &column, &offset, &errorLength);
    return status == NOERROR ? formula : NULLHANDLE;
}

static STATUS LNCALLBACK Collect(void* param, SEARCH_MATCH* match, ITEM_TABLE* summary) {
    Found* found = (Found*)param;
    SEARCH_MATCH m;
    memcpy(&m, match, sizeof m);
    if ((m.SERetFlags & SE_FMATCH) && found->count < MAX_FOUND)
        found->ids[found->count++] = m.ID.NoteID;
    if (summary && found->count == 1) {
        char* list = NULL;
        char* entry = NULL;
        WORD length = 0, type = 0, entryLength = 0;
        found->summaryLength = m.SummaryLength;
        CHECK(NSFGetSummaryValue(summary, "PLAIN_TEXT", found->firstText,
                                 sizeof found->firstText));
        CHECK(NSFLocateSummaryValue(summary, "text_list", &list, &length, &type));
        CHECK(type == TYPE_TEXT_LIST);
        CHECK(ListGetText(list, FALSE, 1, &entry, &entryLength) == NOERROR);
        if (entry && entryLength < sizeof found->secondEntry) {
            memcpy(found->secondEntry, entry, entryLength);
            found->secondEntry[entryLength] = '\0';
        }
        CHECK(ListGetText(list, FALSE, 4, &entry, &entryLength) == ERR_ODS_NO_SUCH_ENTRY);
        CHECK(!NSFLocateSummaryValue(summary, "missing", &list, &length, &type));
    }
    return NOERROR;
}

/* The notes a formula selects (NULL: all), with the summary when asked. */
static Found Search(DBHANDLE db, const char* text, WORD flags) {
    Found found;
    FORMULAHANDLE formula = text ? Compile(text) : NULLHANDLE;
    memset(&found, 0, sizeof found);
    CHECK(!text || formula != NULLHANDLE);
    CHECK(NSFSearch(db, formula, NULL, flags, NOTE_CLASS_DATA, NULL, Collect, &found, NULL) ==
          NOERROR);
    if (formula != NULLHANDLE)
        CHECK(OSMemFree(formula) == NOERROR);
    return found;
}

static void CheckStatusTexts(void) {
    char text[256];
    CHECK(OSLoadString(NULLHANDLE, ERR_NOEXIST, text, sizeof text) > 0);
    CHECK(strcmp(text, "File does not exist") == 0);
    CHECK(OSLoadString(NULLHANDLE, (STATUS)(ERR_NOEXIST | STS_DISPLAYED), text, 5) == 4);
    CHECK(strcmp(text, "File") == 0);
    CHECK(OSLoadString(NULLHANDLE, PKG_ADDIN + 0x77, text, sizeof text) == 0);
}

static void CheckPaths(void) {
    char path[MAXPATH], folder[MAXPATH];
    char server[] = "Alpha/Org";
    size_t length;
    CHECK(OSPathNetConstruct(NULL, "", "simple.nsf", path) == NOERROR);
    CHECK(strcmp(path, "simple.nsf") == 0);
    CHECK(!NSFDbPathIsRemote(path));
    CHECK(OSPathNetConstruct(NULL, server, "mail/ann.nsf", path) == NOERROR);
    CHECK(strcmp(path, "Alpha/Org!!mail/ann.nsf") == 0);
    CHECK(NSFDbPathIsRemote(path));
    length = OSGetDataDirectory(folder);
    CHECK(length == strlen(folder));
    CHECK(length > 5 && strcmp(folder + length - 5, "/Data") == 0);
}

static void CheckTranslation(void) {
    /* "Müller €" in LMBCS: ü is code page 850's 0x81, € a character of group 3. */
    const char lmbcs[] = "M\x81ller \x03\x80";
    const char utf8[] = "M\xC3\xBCller \xE2\x82\xAC";
    char out[64];
    WORD unicode[4];
    memset(out, 0, sizeof out);
    CHECK((size_t)OSTranslate(OS_TRANSLATE_LMBCS_TO_UTF8, lmbcs, MAXWORD, out, sizeof out - 1) ==
          strlen(utf8));
    CHECK(strcmp(out, utf8) == 0);
    CHECK((size_t)OSTranslate32(OS_TRANSLATE_UTF8_TO_LMBCS, utf8, (DWORD)strlen(utf8), out,
                                sizeof out - 1) == strlen(lmbcs));
    CHECK(memcmp(out, lmbcs, strlen(lmbcs)) == 0);
    CHECK((size_t)OSTranslate(OS_TRANSLATE_LMBCS_TO_NATIVE, lmbcs, MAXWORD, out, sizeof out) ==
          strlen(utf8));
    CHECK(OSTranslate(OS_TRANSLATE_LMBCS_TO_ASCII, lmbcs, MAXWORD, out, sizeof out) == 8);
    CHECK(strcmp(out, "M?ller ?") == 0);
    CHECK(OSTranslate(OS_TRANSLATE_LMBCS_TO_UNICODE, "\x82", 1, (char*)unicode,
                      sizeof unicode) == 2);
    CHECK(unicode[0] == 0x00E9);
    CHECK(OSTranslate(OS_TRANSLATE_UNICODE_TO_LMBCS, (const char*)unicode, 2, out, sizeof out) ==
          1);
    CHECK((unsigned char)out[0] == 0x82);
    /* A character cut short reads as U+FFFD and nothing past the input. */
    CHECK(OSTranslate(OS_TRANSLATE_LMBCS_TO_UTF8, "a\x14\x20", 3, out, sizeof out) == 4);
    CHECK(memcmp(out, "a\xEF\xBF\xBD", 4) == 0);
    /* No character is split to fit. */
    CHECK(OSTranslate(OS_TRANSLATE_LMBCS_TO_UTF8, lmbcs, MAXWORD, out, 2) == 1);
}

static STATUS LNCALLBACK Gather(void* param, DWORD id) {
    DWORD* ids = (DWORD*)param;
    ids[++ids[0]] = id;
    return NOERROR;
}

static void CheckIdTables(const Found* found) {
    DHANDLE table = NULLHANDLE;
    BOOL inserted = FALSE;
    DWORD ids[MAX_FOUND + 1];
    DWORD id = 0;
    int i;
    CHECK(IDCreateTable(sizeof(NOTEID), &table) == NOERROR);
    for (i = found->count - 1; i >= 0; --i)
        CHECK(IDInsert(table, found->ids[i], &inserted) == NOERROR && inserted);
    CHECK(IDInsert(table, found->ids[0], &inserted) == NOERROR && !inserted);
    CHECK(IDEntries(table) == (DWORD)found->count);
    ids[0] = 0;
    CHECK(IDEnumerate(table, Gather, ids) == NOERROR);
    CHECK(ids[0] == 3 && ids[1] < ids[2] && ids[2] < ids[3]);
    CHECK(IDIsPresent(table, found->ids[1]));
    CHECK(IDScan(table, TRUE, &id) && id == ids[1]);
    CHECK(IDScan(table, FALSE, &id) && id == ids[2]);
    CHECK(IDDelete(table, ids[2], &inserted) == NOERROR && inserted);
    CHECK(!IDIsPresent(table, ids[2]));
    CHECK(IDDeleteAll(table) == NOERROR && IDEntries(table) == 0);
    CHECK(IDDestroyTable(table) == NOERROR);
    CHECK(IDDestroyTable(table) != NOERROR);
}

static STATUS LNCALLBACK CountItems(WORD spare, WORD flags, char* name, WORD nameLength,
                                    void* value, DWORD valueLength, void* param) {
    WORD type = 0;
    (void)spare;
    (void)flags;
    (void)name;
    if (nameLength > 0 && valueLength >= sizeof type)
        memcpy(&type, value, sizeof type);
    if (type == TYPE_TEXT || type == TYPE_TEXT_LIST || type == TYPE_NUMBER || type == TYPE_TIME)
        ++*(int*)param;
    return NOERROR;
}

static void CheckReading(DBHANDLE db, NOTEID id) {
    NOTEHANDLE note = NULLHANDLE;
    char text[80];
    NUMBER number = 0;
    TIMEDATE time;
    WORD type = 0;
    DWORD length = 0;
    int items = 0, order = 1;
    CHECK(NSFNoteOpen(db, id, 0, &note) == NOERROR);
    CHECK(NSFItemIsPresent(note, "PLAIN_TEXT", (WORD)strlen("PLAIN_TEXT")));
    CHECK(!NSFItemIsPresent(note, "missing", 7));
    CHECK(NSFItemGetText(note, "plain_text", text, sizeof text) == 30);
    CHECK(strcmp(text, "This is a line of simple text.") == 0);
    CHECK(NSFItemGetText(note, "plain_text", text, 5) == 4 && strcmp(text, "This") == 0);
    CHECK(NSFItemTextEqual(note, "plain_text", "THIS IS A LINE OF SIMPLE TEXT.", MAXWORD, FALSE));
    CHECK(!NSFItemTextEqual(note, "plain_text", "THIS IS A LINE OF SIMPLE TEXT.", MAXWORD, TRUE));
    CHECK(NSFItemGetNumber(note, "number", &number) && number == 0.000987);
    CHECK(NSFItemConvertToText(note, "number", text, sizeof text, 0) > 0);
    CHECK(strcmp(text, "0.000987") == 0);
    CHECK(NSFItemConvertToText(note, "time_date", text, sizeof text, 0) == 10);
    CHECK(strcmp(text, "01/15/1988") == 0);
    CHECK(NSFItemConvertToText(note, "text_list", text, sizeof text, ';') == 18);
    CHECK(strcmp(text, "one;two;three;four") == 0);
    CHECK(NSFItemConvertToText(note, "missing", text, sizeof text, ';') == 0);
    CHECK(NSFItemGetTextListEntries(note, "text_list") == 4);
    CHECK(NSFItemGetTextListEntries(note, "plain_text") == 1);
    CHECK(NSFItemGetTextListEntry(note, "text_list", 3, text, sizeof text - 1) == 4);
    CHECK(strcmp(text, "four") == 0);
    CHECK(NSFItemGetTextListEntry(note, "text_list", 4, text, sizeof text - 1) == 0);
    CHECK(NSFItemInfo(note, "text_list", 9, NULL, &type, NULL, &length) == NOERROR);
    CHECK(type == TYPE_TEXT_LIST && length > 2);
    CHECK(NSFItemInfo(note, "missing", 7, NULL, &type, NULL, &length) == ERR_ITEM_NOT_FOUND);
    CHECK(NSFItemGetTime(note, "time_date", &time));
    CHECK(time.Innards[0] == ALLDAY);
    CHECK(NSFItemTimeCompare(note, "time_date", &time, &order) && order == 0);
    CHECK(NSFItemScan(note, CountItems, &items) == NOERROR && items == 5);
    CHECK(NSFNoteClose(note) == NOERROR);
}

static void CheckSearches(DBHANDLE db) {
    Found found;
    CHECK(Search(db, NULL, 0).count == 3);
    CHECK(Search(db, "@All", 0).count == 3);
    CHECK(Search(db, "SELECT @All", 0).count == 3);
    CHECK(Search(db, "Form = \"SimpleDataForm\"", 0).count == 3);
    CHECK(Search(db, "SELECT Form = \"Other\" | text_list = \"Chuck\"", 0).count == 1);
    CHECK(Search(db, "Form = \"SimpleDataForm\" & !(text_list = \"d\")", 0).count == 2);
    CHECK(Search(db, "number = \"836\"", 0).count == 0);
    found = Search(db, NULL, SEARCH_SUMMARY);
    CHECK(found.summaryLength > sizeof(ITEM_TABLE));
    CHECK(strcmp(found.firstText, "This is a line of simple text.") == 0);
    CHECK(strcmp(found.secondEntry, "two") == 0);
    CHECK(Compile("SELECT @Nothing") == NULLHANDLE);
    memset(&found, 0, sizeof found);
    CHECK(NSFSearchExt2(db, NULLHANDLE, NULLHANDLE, SEARCH_FILTER_NONE, NULL, 0, 0,
                        NOTE_CLASS_DOCUMENT, NULL, Collect, &found, NULL, 5) == NOERROR);
    CHECK(found.count == 3);
    CheckIdTables(&found);
    CheckReading(db, found.ids[0]);
}

/* A paragraph of rich text: the records, then the run's text. */
static DWORD RichText(char* buffer, const char* text) {
    CDPARAGRAPH paragraph;
    CDTEXT run;
    char* at = buffer;
    WORD length = (WORD)strlen(text);
    paragraph.Header.Signature = (BYTE)SIG_CD_PARAGRAPH;
    paragraph.Header.Length = (BYTE)ODSLength(_CDPARAGRAPH);
    run.Header.Signature = SIG_CD_TEXT;
    run.Header.Length = (WORD)(ODSLength(_CDTEXT) + length);
    run.FontID = 0;
    ODSWriteMemory(&at, _CDPARAGRAPH, &paragraph, 1);
    ODSWriteMemory(&at, _CDTEXT, &run, 1);
    memcpy(at, text, length);
    at += length;
    if ((at - buffer) % 2)
        *at++ = '\0';
    return (DWORD)(at - buffer);
}

static NOTEID Write(DBHANDLE db) {
    NOTEHANDLE note = NULLHANDLE;
    NUMBER number = 125.007;
    TIMEDATE now;
    NOTEID id = 0;
    char body[64];
    CHECK(NSFNoteCreate(db, &note) == NOERROR);
    CHECK(NSFItemSetText(note, "FORM", "SimpleDataForm", MAXWORD) == NOERROR);
    CHECK(NSFItemSetText(note, "PLAIN_TEXT", "Stra\xE1" "e", MAXWORD) == NOERROR); /* Straße */
    CHECK(NSFItemSetNumber(note, "NUMBER", &number) == NOERROR);
    OSCurrentTIMEDATE(&now);
    CHECK(NSFItemSetTime(note, "TIME_DATE", &now) == NOERROR);
    CHECK(NSFItemCreateTextList(note, "TEXT_LIST", "Charles", MAXWORD) == NOERROR);
    CHECK(NSFItemAppendTextList(note, "TEXT_LIST", "Janet", MAXWORD, TRUE) == NOERROR);
    CHECK(NSFItemAppendTextList(note, "TEXT_LIST", "Janet", MAXWORD, FALSE) == NOERROR);
    CHECK(NSFItemAppendTextList(note, "TEXT_LIST", "Chuck", 5, TRUE) == NOERROR);
    CHECK(NSFItemAppend(note, 0, "Body", 4, TYPE_COMPOSITE, body, RichText(body, "Agenda")) ==
          NOERROR);
    CHECK(NSFItemAppend(note, ITEM_SUMMARY, "Gone", 4, TYPE_TEXT, "x", 1) == NOERROR);
    CHECK(NSFItemDelete(note, "Gone", 4) == NOERROR);
    CHECK(NSFItemDelete(note, "Gone", 4) == ERR_ITEM_NOT_FOUND);
    CHECK(NSFNoteUpdate(note, 0) == NOERROR);
    NSFNoteGetInfo(note, _NOTE_ID, &id);
    CHECK(id != 0);
    CHECK(NSFNoteClose(note) == NOERROR);
    return id;
}

static void CheckWritten(DBHANDLE db, NOTEID id) {
    NOTEHANDLE note = NULLHANDLE;
    char text[64];
    OID oid;
    CHECK(NSFNoteOpen(db, id, 0, &note) == NOERROR);
    CHECK(NSFItemGetText(note, "plain_text", text, sizeof text) == 6);
    CHECK(strcmp(text, "Stra\xE1" "e") == 0);
    CHECK(NSFItemConvertToText(note, "text_list", text, sizeof text, ',') > 0);
    CHECK(strcmp(text, "Charles,Janet,Chuck") == 0);
    CHECK(NSFItemConvertToText(note, "number", text, sizeof text, 0) > 0);
    CHECK(strcmp(text, "125.007") == 0);
    CHECK(NSFItemConvertToText(note, "Body", text, sizeof text, 0) == 6);
    CHECK(strcmp(text, "Agenda") == 0);
    CHECK(!NSFItemIsPresent(note, "Gone", 4));
    NSFNoteGetInfo(note, _NOTE_OID, &oid);
    CHECK(oid.Sequence == 1);
    CHECK(NSFNoteClose(note) == NOERROR);
    CHECK(NSFNoteDelete(db, id, 0) == NOERROR);
    CHECK(NSFNoteOpen(db, id, 0, &note) == ERR_NOTE_DELETED);
}

static void CheckTitle(void) {
    DBHANDLE db = NULLHANDLE;
    char info[NSF_INFO_SIZE], title[NSF_INFO_SIZE];
    CHECK(NSFDbOpen("writable.nsf", &db) == NOERROR);
    CHECK(NSFDbInfoGet(db, info) == NOERROR);
    NSFDbInfoModify(info, INFOPARSE_TITLE, "API Test Database");
    NSFDbInfoModify(info, INFOPARSE_CATEGORIES, "Tests");
    CHECK(NSFDbInfoSet(db, info) == NOERROR);
    CHECK(NSFDbClose(db) == NOERROR);
    CHECK(NSFDbOpen("writable.nsf", &db) == NOERROR);
    CHECK(NSFDbInfoGet(db, info) == NOERROR);
    NSFDbInfoParse(info, INFOPARSE_TITLE, title, NSF_INFO_SIZE - 1);
    CHECK(strcmp(title, "API Test Database") == 0);
    NSFDbInfoParse(info, INFOPARSE_CATEGORIES, title, NSF_INFO_SIZE - 1);
    CHECK(strcmp(title, "Tests") == 0);
    NSFDbInfoParse(info, INFOPARSE_TITLE, title, 3);
    CHECK(strcmp(title, "API") == 0);
    CHECK(NSFDbClose(db) == NOERROR);
}

static void CheckTimes(void) {
    char text[MAXALPHATIMEDATE + 1] = "07/14/93 03:14:44 PM";
    char* cursor = text;
    TIMEDATE time;
    WORD length = 0;
    NUMBER canonical = 836.0, number = 0;
    CHECK(ConvertTextToTIMEDATE(NULL, NULL, &cursor, (WORD)strlen(text), &time) == NOERROR);
    CHECK(cursor == text + strlen(text));
    CHECK(ConvertTIMEDATEToText(NULL, NULL, &time, text, MAXALPHATIMEDATE, &length) == NOERROR);
    text[length] = '\0';
    CHECK(strcmp(text, "07/14/1993 03:14:44 PM") == 0);
    cursor = text;
    strcpy(text, "13/14/1993");
    CHECK(ConvertTextToTIMEDATE(NULL, NULL, &cursor, (WORD)strlen(text), &time) == ERR_TDI_CONV);
    ConvertIEEEToDouble(&canonical, &number);
    CHECK(number == 836.0);
}

static void CheckUser(void) {
    char user[MAXUSERNAME];
    char file[] = "user.id", good[] = "secret", bad[] = "Secret";
    CHECK(SECKFMSwitchToIDFile(file, bad, user, (WORD)(sizeof user - 1), 0, NULL) ==
          ERR_SECURE_BADPASSWORD);
    CHECK(SECKFMSwitchToIDFile(file, good, user, (WORD)(sizeof user - 1), 0, NULL) == NOERROR);
    CHECK(strcmp(user, "Ann Example") == 0);
    CHECK(SECKFMGetUserName(user) == NOERROR && strcmp(user, "Ann Example") == 0);
}

int main(int argc, char* argv[]) {
    DBHANDLE db = NULLHANDLE;
    if (NotesInitExtended(argc, argv) != NOERROR) {
        fprintf(stderr, "Error initializing Notes.\n");
        return 1;
    }
    CheckStatusTexts();
    CheckPaths();
    CheckTranslation();
    CHECK(NSFDbOpen("nothing.nsf", &db) == ERR_NOEXIST);
    CHECK(NSFDbOpen("simple.nsf", &db) == NOERROR);
    CheckSearches(db);
    CHECK(NSFDbClose(db) == NOERROR);
    CHECK(NSFDbOpen("writable.nsf", &db) == NOERROR);
    CheckWritten(db, Write(db));
    CHECK(NSFDbClose(db) == NOERROR);
    CheckTitle();
    CheckTimes();
    CheckUser();
    NotesTerm();
    return failures == 0 ? 0 : 1;
}
