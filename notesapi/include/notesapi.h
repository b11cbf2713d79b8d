/* The Lotus Notes C API as far as this system uses it: the public names,
 * parameter lists, types and constants. The stand-in libnotes.so implements
 * it; the library binds it by name at API start. */
#ifndef ZEMBRIK_NOTESAPI_H
#define ZEMBRIK_NOTESAPI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define LNPUBLIC
#define LNCALLBACK

typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int16_t SWORD;
typedef uint8_t BYTE;
typedef WORD STATUS;
typedef int BOOL;
typedef double NUMBER;
typedef DWORD NOTEID;
typedef DWORD DHANDLE;
typedef DHANDLE DBHANDLE;
typedef DHANDLE NOTEHANDLE;
typedef DHANDLE FORMULAHANDLE;
typedef void* HMODULE;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#define NOERROR 0
#define NULLHANDLE ((DHANDLE)0)

#define MAXPATH 256
#define MAXUSERNAME 256
#define MAXALPHATIMEDATE 80
#define MAXWORD 0xffff

#define ERR_MASK 0x3fff
#define ERR(x) ((STATUS)((x)&ERR_MASK))

#define ERR_NOEXIST 0x0103
#define ERR_NOT_NSF 0x0201
#define ERR_CONFLICT 0x0205
#define ERR_ITEM_NOT_FOUND 0x0222
#define ERR_NOTE_DELETED 0x0225
#define ERR_INVALID_NOTE 0x0227
#define ERR_NOACCESS 0x0246
#define ERR_TDI_CONV 0x040C
#define ERR_TDO_CONV 0x040D
#define ERR_FORMULA_COMPILATION 0x0501
#define ERR_SECURE_BADPASSWORD 0x1908
/* The stand-in's own codes. */
#define ERR_SERVER_NOT_RESPONDING 0x0407
#define ERR_DATABASE_BUSY 0x0208
#define ERR_INVALID_HANDLE 0x0106
#define ERR_NOT_ID_FILE 0x1905
#define ERR_NOT_INITIALIZED 0x0108
#define ERR_INVALID_ITEM 0x0223
#define ERR_BAD_ARGUMENT 0x0109 /* a null or unusable argument */
#define ERR_FILE_EXISTS 0x010A  /* ZNSCreate...: the file is already there */
#define ERR_DATABASE_IO 0x0209  /* the database file could not be read or written */

typedef struct {
    DWORD Innards[2];
} TIMEDATE;

#define ALLDAY 0xffffffffUL
#define ANYDAY 0xffffffffUL

typedef struct {
    DHANDLE pool;
    WORD block;
} BLOCKID;

typedef struct {
    BYTE Date;
    BYTE Time;
    BYTE Zone;
    BYTE Structure;
} TFMT;

#pragma pack(push, 1)
typedef struct {
    TIMEDATE File;
    TIMEDATE Note;
    NOTEID NoteID;
} GLOBALINSTANCEID;

typedef struct {
    TIMEDATE File;
    TIMEDATE Note;
    DWORD Sequence;
    TIMEDATE SequenceTime;
} ORIGINATORID;

typedef ORIGINATORID OID;

typedef struct {
    GLOBALINSTANCEID ID;
    ORIGINATORID OriginatorID;
    WORD NoteClass;
    BYTE SERetFlags;
    BYTE Privileges;
    WORD SummaryLength;
} SEARCH_MATCH; /* 54 bytes */
#pragma pack(pop)

typedef struct ITEM_TABLE ITEM_TABLE;

#define SE_FMATCH 0x01
#define SE_FSOFTDELETED 0x10
#define SE_FNOACCESS 0x20
#define ITEM_SUMMARY 0x0004
#define UPDATE_FORCE 0x0001
#define _NOTE_ID 1
#define _NOTE_OID 2
#define _NOTE_CLASS 3
#define NOTE_CLASS_DOCUMENT 0x0001

#define TYPE_COMPOSITE 0x0001
#define TYPE_NUMBER 0x0300
#define TYPE_NUMBER_RANGE 0x0301
#define TYPE_TIME 0x0400
#define TYPE_TIME_RANGE 0x0401
#define TYPE_TEXT 0x0500
#define TYPE_TEXT_LIST 0x0501

/* Rich text: CD records. */
typedef struct {
    BYTE Signature;
    BYTE Length;
} BSIG;
typedef struct {
    WORD Signature;
    WORD Length;
} WSIG;
typedef DWORD FONTID;

#define SIG_CD_PABDEFINITION 0xFF82
#define SIG_CD_PARAGRAPH 0x0081
#define SIG_CD_PABREFERENCE 0x0083
#define SIG_CD_TEXT 0xFF85

#define _CDPABDEFINITION 110
#define _CDPARAGRAPH 109
#define _CDPABREFERENCE 111
#define _CDTEXT 113

#define MAXTABS 20
typedef struct {
    WSIG Header;
    WORD PABID;
    WORD JustifyMode;
    WORD LineSpacing;
    WORD ParagraphSpacingBefore;
    WORD ParagraphSpacingAfter;
    WORD LeftMargin;
    WORD RightMargin;
    WORD FirstLineLeftMargin;
    WORD Tabs;
    SWORD Tab[MAXTABS];
    WORD Flags;
    DWORD TabTypes;
    WORD Flags2;
} CDPABDEFINITION; /* 70 bytes on disk */

typedef struct {
    BSIG Header;
} CDPARAGRAPH;

typedef struct {
    BSIG Header;
    WORD PABID;
} CDPABREFERENCE;

typedef struct {
    WSIG Header;
    FONTID FontID;
} CDTEXT;

typedef STATUS(LNCALLBACK* NSFSEARCHPROC)(void* EnumRoutineParameter, SEARCH_MATCH* SearchMatch,
                                          ITEM_TABLE* SummaryBuffer);
typedef STATUS(LNCALLBACK* NSFITEMSCANPROC)(WORD Spare, WORD ItemFlags, char* Name,
                                            WORD NameLength, void* Value, DWORD ValueLength,
                                            void* RoutineParameter);

/* Reads notes.ini from the current directory (the Notes program folder);
 * without one the program folder is the data folder. Calls that reach a
 * database, note, formula or ID file give ERR_NOT_INITIALIZED before it. */
STATUS LNPUBLIC NotesInitExtended(int argc, char** argv);
STATUS LNPUBLIC NotesInit(void);
void LNPUBLIC NotesTerm(void);

/* A relative ID file path resolves against Directory= of notes.ini. */
STATUS LNPUBLIC SECKFMSwitchToIDFile(char* IDFile, char* Password, char* retUserName,
                                     WORD MaxUserNameLength, DWORD Flags, void* Reserved);
/* The current user: the one of the last switch, else of KeyFilename= in
 * notes.ini; MAXUSERNAME bytes out, empty for nobody. */
STATUS LNPUBLIC SECKFMGetUserName(char* retUserName);
WORD LNPUBLIC OSLoadString(HMODULE hModule, STATUS StringCode, char* retBuffer,
                           WORD BufferLength);
/* The data folder (Directory= of notes.ini) against which relative paths
 * resolve; MAXPATH bytes out; its length, 0 before the API start. */
WORD LNPUBLIC OSGetDataDirectory(char* retPathName);
STATUS LNPUBLIC OSPathNetConstruct(const char* PortName, const char* ServerName,
                                   const char* FileName, char* retPathName);
STATUS LNPUBLIC OSMemFree(DHANDLE Handle);

/* ERR_NOACCESS when the current user may not read the database; a locked
 * database is waited for (ZNSBusyTimeout=) and then ERR_DATABASE_BUSY. */
STATUS LNPUBLIC NSFDbOpen(const char* PathName, DBHANDLE* rethDB);
STATUS LNPUBLIC NSFDbClose(DBHANDLE hDB);

STATUS LNPUBLIC NSFFormulaCompile(char* FormulaName, WORD FormulaNameLength,
                                  const char* FormulaText, WORD FormulaTextLength,
                                  FORMULAHANDLE* rethFormula, WORD* retFormulaLength,
                                  STATUS* retCompileError, WORD* retCompileErrorLine,
                                  WORD* retCompileErrorColumn, WORD* retCompileErrorOffset,
                                  WORD* retCompileErrorLength);
/* Form names compare without case; any entry of a text list counts. The
 * search ignores ViewTitle, SearchFlags and Since; SummaryBuffer is NULL. */
STATUS LNPUBLIC NSFSearch(DBHANDLE hDB, FORMULAHANDLE hFormula, char* ViewTitle,
                          WORD SearchFlags, WORD NoteClassMask, TIMEDATE* Since,
                          NSFSEARCHPROC EnumRoutine, void* EnumRoutineParameter,
                          TIMEDATE* retUntil);

STATUS LNPUBLIC NSFNoteOpen(DBHANDLE hDB, NOTEID NoteID, WORD OpenFlags, NOTEHANDLE* rethNote);
STATUS LNPUBLIC NSFNoteCreate(DBHANDLE hDB, NOTEHANDLE* rethNote);
STATUS LNPUBLIC NSFNoteUpdate(NOTEHANDLE hNote, WORD UpdateFlags);
STATUS LNPUBLIC NSFNoteClose(NOTEHANDLE hNote);
STATUS LNPUBLIC NSFNoteDelete(DBHANDLE hDB, NOTEID NoteID, WORD UpdateFlags);
/* _NOTE_ID gives a NOTEID (0 before the first update), _NOTE_OID an OID whose
 * Sequence counts the note's stored updates, _NOTE_CLASS a WORD. Other types
 * and bad handles leave retValue alone. */
void LNPUBLIC NSFNoteGetInfo(NOTEHANDLE hNote, WORD Type, void* retValue);

STATUS LNPUBLIC NSFItemScan(NOTEHANDLE hNote, NSFITEMSCANPROC ActionRoutine,
                            void* RoutineParameter);
STATUS LNPUBLIC NSFItemSetText(NOTEHANDLE hNote, const char* ItemName, const char* Text,
                               WORD TextLength);
/* A text item, or the first entry of a text list; 0 for other types. */
WORD LNPUBLIC NSFItemGetText(NOTEHANDLE hNote, const char* ItemName, char* retBuffer,
                             WORD BufferLength);
STATUS LNPUBLIC NSFItemSetTime(NOTEHANDLE hNote, const char* ItemName, const TIMEDATE* Time);
STATUS LNPUBLIC NSFItemSetNumber(NOTEHANDLE hNote, const char* ItemName, const NUMBER* Number);
BOOL LNPUBLIC NSFItemTextEqual(NOTEHANDLE hNote, const char* ItemName, const char* Text,
                               WORD TextLength, BOOL fCaseSensitive);
BOOL LNPUBLIC NSFItemTimeCompare(NOTEHANDLE hNote, const char* ItemName, const TIMEDATE* Time,
                                 int* retVal);
BOOL LNPUBLIC NSFItemGetNumber(NOTEHANDLE hNote, const char* ItemName, NUMBER* retNumber);
STATUS LNPUBLIC NSFItemAppend(NOTEHANDLE hNote, WORD ItemFlags, const char* Name,
                              WORD NameLength, WORD DataType, const void* Value,
                              DWORD ValueLength);
STATUS LNPUBLIC NSFItemDelete(NOTEHANDLE hNote, const char* Name, WORD NameLength);
/* The first item of the name: its type word and value length (the type word
 * included); ERR_ITEM_NOT_FOUND when none. The block ids may be null. */
STATUS LNPUBLIC NSFItemInfo(NOTEHANDLE hNote, const char* Name, WORD NameLength,
                            BLOCKID* retbhItem, WORD* retDataType, BLOCKID* retbhValue,
                            DWORD* retValueLength);

WORD LNPUBLIC ODSLength(WORD type);
void LNPUBLIC ODSWriteMemory(void* ppDest, WORD type, const void* pSrc, WORD iterations);

/* The stand-in reads and writes the forms of a client set to month/day/year
 * and the 12-hour clock whatever the formats: "MM/DD/YYYY hh:mm:ss AM" or
 * "MM/DD/YYYY" out; those, "MM/DD/YYYY hh:mm AM" and 24-hour times in.
 * Text after the time other than blanks is ERR_TDI_CONV. */
STATUS LNPUBLIC ConvertTextToTIMEDATE(const void* IntlFormat, const TFMT* TextFormat,
                                      char** Text, WORD MaxLength, TIMEDATE* retTIMEDATE);
STATUS LNPUBLIC ConvertTIMEDATEToText(const void* IntlFormat, const TFMT* TextFormat,
                                      const TIMEDATE* InputTime, char* retTextBuffer,
                                      WORD TextBufferLength, WORD* retTextLength);

/* ------------------------------------------------------------------------
 * The stand-in's own administration calls: not part of the Notes C API.
 * notesdb uses them to build stand-in installations. They work without
 * NotesInit and take file-system paths as given (relative to the current
 * directory; no notes.ini lookup, no "server!!" prefix).
 *
 * notes.ini of a stand-in installation (sections and keys without case):
 *   [Notes]
 *   Directory=<data folder; relative to the program folder>
 *   KeyFilename=<ID file of the default user; relative to Directory>
 *   ZNSBusyTimeout=<milliseconds to wait for a locked database; 10000>
 *   [Servers]
 *   <server name>=<folder holding that server's databases; relative to the
 *                 program folder>
 * ---------------------------------------------------------------------- */

/* Access levels of an access list entry. A user not listed gets the level
 * of the ZNS_DEFAULT_ENTRY entry, else none; an empty list lets everyone in. */
#define ZNS_ACCESS_NONE 0
#define ZNS_ACCESS_READER 2
#define ZNS_ACCESS_EDITOR 4
#define ZNS_ACCESS_MANAGER 6
#define ZNS_DEFAULT_ENTRY "-Default-"

/* A new, empty database. ERR_FILE_EXISTS when the file is already there. */
STATUS LNPUBLIC ZNSCreateDatabase(const char* PathName);
/* A new ID file for UserName, holding a salted hash of Password (never the
 * password itself). ERR_FILE_EXISTS when the file is already there. */
STATUS LNPUBLIC ZNSCreateIDFile(const char* IDFile, const char* UserName, const char* Password);
/* Sets (adds or replaces) the access list entry of UserName (names compare
 * without case). Level is one of the ZNS_ACCESS_ values, else ERR_BAD_ARGUMENT. */
STATUS LNPUBLIC ZNSSetAccess(const char* PathName, const char* UserName, WORD Level);
/* A batch of writes to an open database: from ZNSBeginBatch on, every note
 * update, creation and deletion through hDB is part of one transaction that
 * ZNSEndBatch commits (Commit TRUE) or rolls back; each note stays whole or
 * absent. Closing the database in a batch rolls it back. Begin needs editor
 * access; a second begin, or an end without a batch, is ERR_BAD_ARGUMENT. */
STATUS LNPUBLIC ZNSBeginBatch(DBHANDLE hDB);
STATUS LNPUBLIC ZNSEndBatch(DBHANDLE hDB, BOOL Commit);

#ifdef __cplusplus
}
#endif

#endif
