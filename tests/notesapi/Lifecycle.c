/* A plain C client of the Notes C API stand-in, as a Notes program would be.
 * "write" creates a database, adds, searches, reads, updates and deletes
 * documents; "read" (another process) checks what "write" left behind.
 * Runs in a Notes program folder (notes.ini in the current directory).
 * Exit status 0 when every check held. */
#include "global.h"
#include "misc.h"
#include "nsfdb.h"
#include "nsferr.h"
#include "nsfnote.h"
#include "nsfsearc.h"
#include "osmem.h"
#include "zns.h"

#include "Check.h"

#include <stdio.h>
#include <string.h>


#define MAX_FOUND 16

typedef struct {
    NOTEID ids[MAX_FOUND];
    int count;
} Found;

static STATUS LNCALLBACK Collect(void* param, SEARCH_MATCH* match, ITEM_TABLE* summary) {
    Found* found = (Found*)param;
    SEARCH_MATCH m;
    (void)summary;
    memcpy(&m, match, sizeof m);
    if ((m.SERetFlags & SE_FMATCH) && found->count < MAX_FOUND)
        found->ids[found->count++] = m.ID.NoteID;
    return NOERROR;
}

static Found Search(DBHANDLE db, const char* formula) {
    Found found;
    FORMULAHANDLE hFormula = NULLHANDLE;
    WORD length = 0;
    STATUS error = 0;
    WORD line, column, offset, errorLength;
    memset(&found, 0, sizeof found);
    CHECK(NSFFormulaCompile(NULL, 0, formula, (WORD)strlen(formula), &hFormula, &length, &error,
                            &line, &column, &offset, &errorLength) == NOERROR);
    CHECK(NSFSearch(db, hFormula, NULL, 0, NOTE_CLASS_DOCUMENT, NULL, Collect, &found, NULL) ==
          NOERROR);
    CHECK(OSMemFree(hFormula) == NOERROR);
    return found;
}

static void AddPerson(DBHANDLE db, const char* name, double age) {
    NOTEHANDLE note = NULLHANDLE;
    NUMBER number = age;
    TIMEDATE birthday;
    char text[] = "04/01/1980";
    char* cursor = text;
    CHECK(NSFNoteCreate(db, &note) == NOERROR);
    CHECK(NSFItemSetText(note, "Form", "Person", MAXWORD) == NOERROR);
    CHECK(NSFItemSetText(note, "FullName", name, MAXWORD) == NOERROR);
    CHECK(NSFItemSetNumber(note, "Age", &number) == NOERROR);
    CHECK(ConvertTextToTIMEDATE(NULL, NULL, &cursor, (WORD)strlen(text), &birthday) == NOERROR);
    CHECK(NSFItemSetTime(note, "Birthday", &birthday) == NOERROR);
    CHECK(NSFNoteUpdate(note, 0) == NOERROR);
    CHECK(NSFNoteClose(note) == NOERROR);
}

static void ReadName(DBHANDLE db, NOTEID id, char* name, WORD size) {
    NOTEHANDLE note = NULLHANDLE;
    name[0] = '\0';
    CHECK(NSFNoteOpen(db, id, 0, &note) == NOERROR);
    NSFItemGetText(note, "FullName", name, size);
    CHECK(NSFNoteClose(note) == NOERROR);
}

static int Write(void) {
    DBHANDLE db = NULLHANDLE;
    NOTEHANDLE note = NULLHANDLE;
    NOTEHANDLE other = NULLHANDLE;
    Found people, all;
    char name[64];
    char timeText[MAXALPHATIMEDATE];
    WORD timeLength = 0;
    TIMEDATE when;
    NUMBER age = 0;

    CHECK(ZNSCreateDatabase("Data/people.nsf") == NOERROR);
    CHECK(NSFDbOpen("people.nsf", &db) == NOERROR);
    AddPerson(db, "Ada Lovelace", 36);
    AddPerson(db, "Alan Turing", 41);
    AddPerson(db, "Grace Hopper", 85);
    CHECK(NSFNoteCreate(db, &other) == NOERROR);
    CHECK(NSFItemSetText(other, "Form", "Memo", MAXWORD) == NOERROR);
    CHECK(NSFNoteUpdate(other, 0) == NOERROR);
    CHECK(NSFNoteClose(other) == NOERROR);

    people = Search(db, "SELECT Form = \"Person\"");
    all = Search(db, "Select @All");
    CHECK(people.count == 3);
    CHECK(all.count == 4);
    if (people.count != 3)
        return 1;
    CHECK(people.ids[0] < people.ids[1] && people.ids[1] < people.ids[2]);

    ReadName(db, people.ids[1], name, sizeof name);
    CHECK(strcmp(name, "Alan Turing") == 0);

    CHECK(NSFNoteOpen(db, people.ids[0], 0, &note) == NOERROR);
    CHECK(NSFItemGetNumber(note, "age", &age) && age == 36);
    CHECK(NSFItemInfo(note, "Birthday", 8, NULL, NULL, NULL, NULL) == NOERROR);
    CHECK(NSFItemSetText(note, "FullName", "Augusta Ada King", MAXWORD) == NOERROR);
    CHECK(NSFNoteUpdate(note, 0) == NOERROR);
    CHECK(NSFNoteClose(note) == NOERROR);

    CHECK(NSFNoteOpen(db, people.ids[0], 0, &note) == NOERROR);
    CHECK(NSFItemTextEqual(note, "FullName", "augusta ada king", MAXWORD, FALSE));
    CHECK(!NSFItemTextEqual(note, "FullName", "augusta ada king", MAXWORD, TRUE));
    {
        char text[] = "04/01/1980";
        char* cursor = text;
        int cmp = 1;
        CHECK(ConvertTextToTIMEDATE(NULL, NULL, &cursor, 10, &when) == NOERROR);
        CHECK(NSFItemTimeCompare(note, "Birthday", &when, &cmp) && cmp == 0);
        CHECK(ConvertTIMEDATEToText(NULL, NULL, &when, timeText, sizeof timeText, &timeLength) ==
              NOERROR);
        CHECK(timeLength == 10 && memcmp(timeText, "04/01/1980", 10) == 0);
    }
    CHECK(NSFNoteClose(note) == NOERROR);

    CHECK(NSFNoteDelete(db, people.ids[2], 0) == NOERROR);
    CHECK(NSFNoteOpen(db, people.ids[2], 0, &note) == ERR_NOTE_DELETED);
    CHECK(Search(db, "SELECT Form=\"Person\"").count == 2);
    CHECK(NSFDbClose(db) == NOERROR);
    return 0;
}

static int Read(void) {
    DBHANDLE db = NULLHANDLE;
    Found people;
    char name[64];
    CHECK(NSFDbOpen("people.nsf", &db) == NOERROR);
    people = Search(db, "SELECT Form=\"Person\"");
    CHECK(people.count == 2);
    if (people.count == 2) {
        ReadName(db, people.ids[0], name, sizeof name);
        CHECK(strcmp(name, "Augusta Ada King") == 0);
        ReadName(db, people.ids[1], name, sizeof name);
        CHECK(strcmp(name, "Alan Turing") == 0);
    }
    CHECK(NSFDbClose(db) == NOERROR);
    return 0;
}

int main(int argc, char** argv) {
    int wrote;
    if (argc != 2 || (strcmp(argv[1], "write") != 0 && strcmp(argv[1], "read") != 0)) {
        fprintf(stderr, "usage: %s write|read\n", argv[0]);
        return 2;
    }
    if (NotesInitExtended(argc, argv) != NOERROR) {
        fprintf(stderr, "NotesInitExtended failed\n");
        return 1;
    }
    wrote = strcmp(argv[1], "write") == 0 ? Write() : Read();
    NotesTerm();
    return (wrote != 0 || failures != 0) ? 1 : 0;
}
