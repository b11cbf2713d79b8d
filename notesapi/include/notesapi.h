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

STATUS LNPUBLIC NotesInitExtended(int argc, char** argv);
STATUS LNPUBLIC NotesInit(void);
void LNPUBLIC NotesTerm(void);

STATUS LNPUBLIC SECKFMSwitchToIDFile(char* IDFile, char* Password, char* retUserName,
                                     WORD MaxUserNameLength, DWORD Flags, void* Reserved);
WORD LNPUBLIC OSLoadString(HMODULE hModule, STATUS StringCode, char* retBuffer,
                           WORD BufferLength);
STATUS LNPUBLIC OSPathNetConstruct(const char* PortName, const char* ServerName,
                                   const char* FileName, char* retPathName);
STATUS LNPUBLIC OSMemFree(DHANDLE Handle);

STATUS LNPUBLIC NSFDbOpen(const char* PathName, DBHANDLE* rethDB);
STATUS LNPUBLIC NSFDbClose(DBHANDLE hDB);

STATUS LNPUBLIC NSFFormulaCompile(char* FormulaName, WORD FormulaNameLength,
                                  const char* FormulaText, WORD FormulaTextLength,
                                  FORMULAHANDLE* rethFormula, WORD* retFormulaLength,
                                  STATUS* retCompileError, WORD* retCompileErrorLine,
                                  WORD* retCompileErrorColumn, WORD* retCompileErrorOffset,
                                  WORD* retCompileErrorLength);
STATUS LNPUBLIC NSFSearch(DBHANDLE hDB, FORMULAHANDLE hFormula, char* ViewTitle,
                          WORD SearchFlags, WORD NoteClassMask, TIMEDATE* Since,
                          NSFSEARCHPROC EnumRoutine, void* EnumRoutineParameter,
                          TIMEDATE* retUntil);

STATUS LNPUBLIC NSFNoteOpen(DBHANDLE hDB, NOTEID NoteID, WORD OpenFlags, NOTEHANDLE* rethNote);
STATUS LNPUBLIC NSFNoteCreate(DBHANDLE hDB, NOTEHANDLE* rethNote);
STATUS LNPUBLIC NSFNoteUpdate(NOTEHANDLE hNote, WORD UpdateFlags);
STATUS LNPUBLIC NSFNoteClose(NOTEHANDLE hNote);
STATUS LNPUBLIC NSFNoteDelete(DBHANDLE hDB, NOTEID NoteID, WORD UpdateFlags);

STATUS LNPUBLIC NSFItemScan(NOTEHANDLE hNote, NSFITEMSCANPROC ActionRoutine,
                            void* RoutineParameter);
STATUS LNPUBLIC NSFItemSetText(NOTEHANDLE hNote, const char* ItemName, const char* Text,
                               WORD TextLength);
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

STATUS LNPUBLIC ConvertTextToTIMEDATE(const void* IntlFormat, const TFMT* TextFormat,
                                      char** Text, WORD MaxLength, TIMEDATE* retTIMEDATE);
STATUS LNPUBLIC ConvertTIMEDATEToText(const void* IntlFormat, const TFMT* TextFormat,
                                      const TIMEDATE* InputTime, char* retTextBuffer,
                                      WORD TextBufferLength, WORD* retTextLength);

#ifdef __cplusplus
}
#endif

#endif
