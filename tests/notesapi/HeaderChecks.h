/* The Notes C API headers hold the toolkit's 64-bit Linux sizes, offsets and
 * values: this compiles only when they do. Included by a C99 and a C++98
 * translation unit, both built with the toolkit's definitions. */
#include <stddef.h>

#include "bsafeerr.h"
#include "clerr.h"
#include "editods.h"
#include "global.h"
#include "idtable.h"
#include "kfm.h"
#include "lapicinc.h"
#include "lapiplat.h"
#include "misc.h"
#include "miscerr.h"
#include "nsfdata.h"
#include "nsfdb.h"
#include "nsferr.h"
#include "nsfnote.h"
#include "nsfsearc.h"
#include "ods.h"
#include "odserr.h"
#include "odstypes.h"
#include "oserr.h"
#include "osfile.h"
#include "osmem.h"
#include "osmisc.h"
#include "ostime.h"
#include "secerr.h"
#include "textlist.h"
#include "zns.h"

#define CHECK(name, condition) typedef char check_##name[(condition) ? 1 : -1]

/* The data model: only pointers and the 64-bit types are 8 bytes. */
CHECK(byte, sizeof(BYTE) == 1);
CHECK(word, sizeof(WORD) == 2);
CHECK(dword, sizeof(DWORD) == 4);
CHECK(long_stays_32, sizeof(LONG) == 4);
CHECK(ulong, sizeof(ULONG) == 4);
CHECK(bool_, sizeof(BOOL) == 4);
CHECK(status, sizeof(STATUS) == 2);
CHECK(handle, sizeof(HANDLE) == 4);
CHECK(dhandle_stays_32, sizeof(DHANDLE) == 4);
CHECK(hmodule, sizeof(HMODULE) == 4);
CHECK(memhandle, sizeof(MEMHANDLE) == 4);
CHECK(dbhandle, sizeof(DBHANDLE) == 4 && sizeof(NOTEHANDLE) == 4 && sizeof(FORMULAHANDLE) == 4);
CHECK(noteid, sizeof(NOTEID) == 4);
CHECK(number, sizeof(NUMBER) == 8);
CHECK(qword, sizeof(QWORD) == 8);
CHECK(fontid, sizeof(FONTID) == 4);
CHECK(pointer, sizeof(void*) == 8);

/* Structures: natural alignment, no packing. */
CHECK(timedate, sizeof(TIMEDATE) == 8);
CHECK(timedate_pair, sizeof(TIMEDATE_PAIR) == 16 && offsetof(TIMEDATE_PAIR, Upper) == 8);
CHECK(number_pair, sizeof(NUMBER_PAIR) == 16);
CHECK(list, sizeof(LIST) == 2);
CHECK(range, sizeof(RANGE) == 4 && offsetof(RANGE, RangeEntries) == 2);
CHECK(licenseid, sizeof(LICENSEID) == 8);
CHECK(blockid, sizeof(BLOCKID) == 8 && offsetof(BLOCKID, block) == 4);
CHECK(dbid, sizeof(DBID) == 8);
CHECK(unid, sizeof(UNIVERSALNOTEID) == 16 && offsetof(UNIVERSALNOTEID, Note) == 8);
CHECK(globalinstanceid, sizeof(GLOBALINSTANCEID) == 20 && offsetof(GLOBALINSTANCEID, NoteID) == 16);
CHECK(originatorid, sizeof(ORIGINATORID) == 28 && offsetof(ORIGINATORID, Sequence) == 16 &&
                        offsetof(ORIGINATORID, SequenceTime) == 20);
CHECK(oid, sizeof(OID) == sizeof(ORIGINATORID));
CHECK(search_match, sizeof(SEARCH_MATCH) == 56);
CHECK(search_match_fields,
      offsetof(SEARCH_MATCH, ID) == 0 && offsetof(SEARCH_MATCH, OriginatorID) == 20 &&
          offsetof(SEARCH_MATCH, NoteClass) == 48 && offsetof(SEARCH_MATCH, SERetFlags) == 50 &&
          offsetof(SEARCH_MATCH, Privileges) == 51 && offsetof(SEARCH_MATCH, SummaryLength) == 52);
CHECK(item_table, sizeof(ITEM_TABLE) == 4 && offsetof(ITEM_TABLE, Items) == 2);
CHECK(item, sizeof(ITEM) == 4 && offsetof(ITEM, ValueLength) == 2);
CHECK(tfmt, sizeof(TFMT) == 4 && offsetof(TFMT, Structure) == 3);
CHECK(bsig, sizeof(BSIG) == 2);
CHECK(wsig, sizeof(WSIG) == 4);
CHECK(lsig, sizeof(LSIG) == 8 && offsetof(LSIG, Length) == 4);
CHECK(cdtext, sizeof(CDTEXT) == 8 && offsetof(CDTEXT, FontID) == 4);
CHECK(cdparagraph, sizeof(CDPARAGRAPH) == 2);
CHECK(cdpabreference, sizeof(CDPABREFERENCE) == 4);

/* Constants. */
CHECK(true_false, (TRUE) == 1 && (FALSE) == 0 && NULLHANDLE == 0 && NOERROR == 0);
CHECK(maxima, MAXWORD == 0xffff && MAXDWORD == 0xffffffffu && MAXBYTE == 0xff);
CHECK(lengths, MAXPATH == 256 && MAXUSERNAME == 256 && MAXALPHATIMEDATE == 80 &&
                   NSF_INFO_SIZE == 128 && DESIGN_NAME_MAX == 130 && MAXALPHANUMBER == 40);
CHECK(types, TYPE_TEXT == 1280 && TYPE_TEXT_LIST == 1281 && TYPE_NUMBER == 768 &&
                 TYPE_NUMBER_RANGE == 769 && TYPE_TIME == 1024 && TYPE_TIME_RANGE == 1025 &&
                 TYPE_COMPOSITE == 1 && TYPE_ERROR == 0x0100 && TYPE_UNAVAILABLE == 0x0200 &&
                 TYPE_FORMULA == 0x0600 && TYPE_USERID == 0x0700);
CHECK(note_classes, NOTE_CLASS_DOCUMENT == 1 && NOTE_CLASS_DATA == 1 && NOTE_CLASS_FORM == 4 &&
                        NOTE_CLASS_VIEW == 8 && NOTE_CLASS_ALL == 0x7fff &&
                        NOTE_CLASS_ALLNONDATA == 0x7ffe);
CHECK(item_flags, ITEM_SIGN == 1 && ITEM_SEAL == 2 && ITEM_SUMMARY == 4 && ITEM_NAMES == 0x40 &&
                      ITEM_READERS == 0x400);
CHECK(note_info, _NOTE_DB == 0 && _NOTE_ID == 1 && _NOTE_OID == 2 && _NOTE_CLASS == 3 &&
                     _NOTE_MODIFIED == 4 && _NOTE_FLAGS == 7);
CHECK(update, UPDATE_FORCE == 1 && UPDATE_NOCOMMIT == 4 && UPDATE_DELETED == 0x8000);
CHECK(open, OPEN_SUMMARY == 1 && OPEN_EXPAND == 4 && OPEN_MARK_READ == 0x100);
CHECK(search, SEARCH_ALL_VERSIONS == 1 && SEARCH_SUMMARY == 2 && SEARCH_NOTIFYDELETIONS == 0x10);
CHECK(search_match_flags, SE_FNOMATCH == 0 && SE_FMATCH == 1 && SE_FSOFTDELETED == 0x10 &&
                              SE_FNOACCESS == 0x20);
CHECK(infoparse, INFOPARSE_TITLE == 0 && INFOPARSE_CATEGORIES == 1 && INFOPARSE_CLASS == 2 &&
                     INFOPARSE_DESIGN_CLASS == 3);
CHECK(translate, OS_TRANSLATE_NATIVE_TO_LMBCS == 0 && OS_TRANSLATE_LMBCS_TO_NATIVE == 1 &&
                     OS_TRANSLATE_LMBCS_TO_ASCII == 11 && OS_TRANSLATE_LMBCS_TO_UNICODE == 20 &&
                     OS_TRANSLATE_LMBCS_TO_UTF8 == 22 && OS_TRANSLATE_UNICODE_TO_LMBCS == 23 &&
                     OS_TRANSLATE_UTF8_TO_LMBCS == 24);
CHECK(time, ALLDAY == 0xffffffffu && ANYDAY == 0xffffffffu && TICKS_IN_DAY == 8640000 &&
                TDFMT_FULL == 0 && TDFMT_FULL4 == 4 && TTFMT_FULL == 0 && TZFMT_NEVER == 0 &&
                TSFMT_DATETIME == 2);
CHECK(signatures, SIG_CD_PARAGRAPH == 0x0081 && SIG_CD_PABDEFINITION == 0xFF82 &&
                      SIG_CD_PABREFERENCE == 0x0083 && SIG_CD_TEXT == 0xFF85);
CHECK(ods_types, _CDPARAGRAPH == 109 && _CDPABDEFINITION == 110 && _CDPABREFERENCE == 111 &&
                     _CDTEXT == 113);
CHECK(idtable, IDTABLE_MODIFIED == 1 && IDTABLE_INVERTED == 2);

/* Statuses: the package in bits 8 to 13, the flags above. */
CHECK(status_bits, ERR_MASK == 0x3fff && PKG_MASK == 0x3f00 && STS_DISPLAYED == 0x8000 &&
                       STS_REMOTE == 0x4000 && ERR(0xC103) == 0x0103);
CHECK(os_statuses, ERR_NOEXIST == 0x0103 && ERR_EXISTS == 0x0104 && ERR_MEMORY == 0x0107 &&
                       ERR_LOCK == 0x010C && ERR_IOERROR == 0x010E &&
                       ERR_OS_FREE_HANDLE == 0x0138 && ERR_SEGMENT_TOO_BIG == 0x013B);
CHECK(nsf_statuses, ERR_NOT_NSF == 0x0201 && ERR_CONFLICT == 0x0205 &&
                        ERR_ITEM_NOT_FOUND == 0x0222 && ERR_NOTE_DELETED == 0x0225 &&
                        ERR_INVALID_NOTE == 0x0227 && ERR_SUMMARY_TOO_BIG == 0x0231 &&
                        ERR_ITEM_DATATYPE == 0x023F && ERR_BAD_PARAM == 0x0241 &&
                        ERR_NOACCESS == 0x0246);
CHECK(misc_statuses, ERR_TDI_CONV == 0x040C && ERR_TDO_CONV == 0x040D &&
                         ERR_IDTABLE_INVALID == 0x0448);
CHECK(other_statuses, ERR_FORMULA_COMPILATION == 0x0501 && ERR_ODS_NO_SUCH_ENTRY == 0x0605 &&
                          ERR_SERVER_NOT_RESPONDING == 0x0807 &&
                          ERR_BSAFE_CORRUPTIDFILE == 0x172B && ERR_SECURE_BADPASSWORD == 0x1908);
/* The stand-in's own statuses lie where the real API gives none. */
CHECK(own_statuses, PKG(ERR_NOT_INITIALIZED) == PKG_ADDIN && PKG(ERR_OLD_FORMAT) == PKG_ADDIN);

/* The prototypes of the calls the toolkit's samples make. */
void HeaderCheckPrototypes(void);
void HeaderCheckPrototypes(void) {
    STATUS(LNPUBLIC * init)(int, char**) = NotesInitExtended;
    WORD(LNPUBLIC * load)(HMODULE, STATUS, char*, WORD) = OSLoadString;
    WORD(LNPUBLIC * translate)(WORD, const char*, WORD, char*, WORD) = OSTranslate;
    DWORD(LNPUBLIC * translate32)(WORD, const char*, DWORD, char*, DWORD) = OSTranslate32;
    STATUS(LNPUBLIC * open)(const char*, DBHANDLE*) = NSFDbOpen;
    STATUS(LNPUBLIC * info)(DBHANDLE, char*) = NSFDbInfoGet;
    void(LNPUBLIC * parse)(char*, WORD, char*, WORD) = NSFDbInfoParse;
    STATUS(LNPUBLIC * search)(DBHANDLE, FORMULAHANDLE, char*, WORD, WORD, TIMEDATE*,
                              NSFSEARCHPROC, void*, TIMEDATE*) = NSFSearch;
    STATUS(LNPUBLIC * search2)(DBHANDLE, FORMULAHANDLE, DHANDLE, DWORD, char*, DWORD, DWORD, WORD,
                               TIMEDATE*, NSFSEARCHPROC, void*, TIMEDATE*, DWORD) = NSFSearchExt2;
    WORD(LNPUBLIC * convert)(NOTEHANDLE, const char*, char*, WORD, char) = NSFItemConvertToText;
    WORD(LNPUBLIC * entry)(NOTEHANDLE, const char*, WORD, char*, WORD) = NSFItemGetTextListEntry;
    STATUS(LNPUBLIC * append)(NOTEHANDLE, const char*, const char*, WORD, BOOL) =
        NSFItemAppendTextList;
    STATUS(LNPUBLIC * insert)(DHANDLE, DWORD, BOOL*) = IDInsert;
    STATUS(LNPUBLIC * enumerate)(DHANDLE, IDENUMERATEPROC, void*) = IDEnumerate;
    STATUS(LNPUBLIC * text)(const void*, BOOL, WORD, char**, WORD*) = ListGetText;
    STATUS(LNPUBLIC * timeText)(const void*, const TFMT*, const TIMEDATE*, char*, WORD, WORD*) =
        ConvertTIMEDATEToText;
    void(LNPUBLIC * now)(TIMEDATE*) = OSCurrentTIMEDATE;
    STATUS(LNPUBLIC * pathNet)(const char*, const char*, const char*, char*) = OSPathNetConstruct;
    (void)init, (void)load, (void)translate, (void)translate32, (void)open, (void)info;
    (void)parse, (void)search, (void)search2, (void)convert, (void)entry, (void)append;
    (void)insert, (void)enumerate, (void)text, (void)timeText, (void)now, (void)pathNet;
}
