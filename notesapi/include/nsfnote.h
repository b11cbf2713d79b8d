/* Notes C API: notes and their items. Item names compare without case (the
 * letters A to Z); a name passed with a length may also end at a zero byte. */
#ifndef ZEMBRIK_NOTESAPI_NSFNOTE_H
#define ZEMBRIK_NOTESAPI_NSFNOTE_H

#include "global.h"
#include "nsfdata.h"
#include "pool.h"

/* Item flags. */
#define ITEM_SIGN 0x0001
#define ITEM_SEAL 0x0002
#define ITEM_SUMMARY 0x0004
#define ITEM_READWRITERS 0x0020
#define ITEM_NAMES 0x0040
#define ITEM_PLACEHOLDER 0x0100
#define ITEM_PROTECTED 0x0200
#define ITEM_READERS 0x0400
#define ITEM_UNCHANGED 0x1000

/* NSFNoteOpen: the stand-in always opens the whole note. */
#define OPEN_SUMMARY 0x0001
#define OPEN_NOVERIFYDEFAULT 0x0002
#define OPEN_EXPAND 0x0004
#define OPEN_NOOBJECTS 0x0008
#define OPEN_SHARE 0x0020
#define OPEN_CANONICAL 0x0040
#define OPEN_MARK_READ 0x0100
#define OPEN_ABSTRACT 0x0200

/* NSFNoteUpdate: the stand-in knows only UPDATE_FORCE. */
#define UPDATE_FORCE 0x0001
#define UPDATE_NAME_KEY_WARNING 0x0002
#define UPDATE_NOCOMMIT 0x0004
#define UPDATE_NOREVISION 0x0100
#define UPDATE_NOSTUB 0x0200
#define UPDATE_INCREMENTAL 0x4000
#define UPDATE_DELETED 0x8000
#define UPDATE_DUPLICATES 0

/* NSFNoteGetInfo. */
#define _NOTE_DB 0
#define _NOTE_ID 1
#define _NOTE_OID 2
#define _NOTE_CLASS 3
#define _NOTE_MODIFIED 4
#define _NOTE_PRIVILEGES 5
#define _NOTE_FLAGS 7
#define _NOTE_ACCESSED 8
#define _NOTE_PARENT_NOTEID 10
#define _NOTE_RESPONSE_COUNT 11
#define _NOTE_RESPONSES 12
#define _NOTE_ADDED_TO_FILE 13
#define _NOTE_OBJSTORE_DB 14

/* The value begins with its type word; ValueLength counts it. */
typedef STATUS(LNCALLBACKPTR NSFITEMSCANPROC)(WORD Spare, WORD ItemFlags, char far *Name,
                                              WORD NameLength, void far *Value,
                                              DWORD ValueLength, void far *RoutineParameter);

#ifdef __cplusplus
extern "C" {
#endif

/* The whole note, whatever the flags; ERR_INVALID_NOTE, ERR_NOTE_DELETED. */
STATUS LNPUBLIC NSFNoteOpen(DBHANDLE hDB, NOTEID NoteID, WORD OpenFlags,
                            NOTEHANDLE far *rethNote);
/* A document in memory until it is first updated. */
STATUS LNPUBLIC NSFNoteCreate(DBHANDLE hDB, NOTEHANDLE far *rethNote);
/* ERR_CONFLICT when the stored note changed since it was opened, unless
 * UPDATE_FORCE; ERR_NOACCESS without editor access. */
STATUS LNPUBLIC NSFNoteUpdate(NOTEHANDLE hNote, WORD UpdateFlags);
STATUS LNPUBLIC NSFNoteClose(NOTEHANDLE hNote);
STATUS LNPUBLIC NSFNoteDelete(DBHANDLE hDB, NOTEID NoteID, WORD UpdateFlags);
/* _NOTE_ID gives a NOTEID (0 before the first update), _NOTE_OID an OID whose
 * Sequence counts the note's stored updates, _NOTE_CLASS a WORD. Other types
 * and bad handles leave retValue alone. */
void LNPUBLIC NSFNoteGetInfo(NOTEHANDLE hNote, WORD Type, void far *retValue);

/* The items in place, in their order; a status other than NOERROR from the
 * routine ends the scan and is returned. The note may not change meanwhile. */
STATUS LNPUBLIC NSFItemScan(NOTEHANDLE hNote, NSFITEMSCANPROC ActionRoutine,
                            void far *RoutineParameter);
/* Replaces every item of the name by one summary text; MAXWORD: terminated. */
STATUS LNPUBLIC NSFItemSetText(NOTEHANDLE hNote, const char far *ItemName,
                               const char far *Text, WORD TextLength);
/* A text item, or the first entry of a text list, cut to BufferLength - 1
 * bytes (never within a character) and terminated; 0 for other types. */
WORD LNPUBLIC NSFItemGetText(NOTEHANDLE hNote, const char far *ItemName, char far *retBuffer,
                             WORD BufferLength);
STATUS LNPUBLIC NSFItemSetTime(NOTEHANDLE hNote, const char far *ItemName,
                               const TIMEDATE far *Time);
BOOL LNPUBLIC NSFItemGetTime(NOTEHANDLE hNote, const char far *ItemName,
                             TIMEDATE far *retTime);
STATUS LNPUBLIC NSFItemSetNumber(NOTEHANDLE hNote, const char far *ItemName,
                                 const NUMBER far *Number);
BOOL LNPUBLIC NSFItemGetNumber(NOTEHANDLE hNote, const char far *ItemName,
                               NUMBER far *retNumber);
/* FALSE for a missing item; without case only the letters A to Z fold. */
BOOL LNPUBLIC NSFItemTextEqual(NOTEHANDLE hNote, const char far *ItemName,
                               const char far *Text, WORD TextLength, BOOL fCaseSensitive);
/* Date first, then the time of day; the zone bits take no part. */
BOOL LNPUBLIC NSFItemTimeCompare(NOTEHANDLE hNote, const char far *ItemName,
                                 const TIMEDATE far *Time, int far *retVal);
/* Another item even when one of the name exists; the value without its
 * type word. */
STATUS LNPUBLIC NSFItemAppend(NOTEHANDLE hNote, WORD ItemFlags, const char far *Name,
                              WORD NameLength, WORD DataType, const void far *Value,
                              DWORD ValueLength);
/* The first item of the name; ERR_ITEM_NOT_FOUND when none. */
STATUS LNPUBLIC NSFItemDelete(NOTEHANDLE hNote, const char far *Name, WORD NameLength);
/* The first item of the name: its type word and value length (the type word
 * included); ERR_ITEM_NOT_FOUND when none. The block ids come back null. */
STATUS LNPUBLIC NSFItemInfo(NOTEHANDLE hNote, const char far *Name, WORD NameLength,
                            BLOCKID far *retbhItem, WORD far *retDataType,
                            BLOCKID far *retbhValue, DWORD far *retValueLength);
#define NSFItemIsPresent(hNote, Name, NameLength)                                          \
    ((BOOL)(NSFItemInfo(hNote, Name, NameLength, NULL, NULL, NULL, NULL) == NOERROR))

/* The first item of the name as text, terminated: texts as they are, lists
 * joined by SepChar (';' for 0), numbers in up to 15 digits (%.15g), times as
 * ConvertTIMEDATEToText does, number and time ranges entry by entry, rich
 * text's runs. Its length; 0 when missing or of another type. */
WORD LNPUBLIC NSFItemConvertToText(NOTEHANDLE hNote, const char far *ItemName,
                                   char far *retBuffer, WORD BufferLength, char SepChar);

/* Text lists. A plain text counts as a list of one entry. */
WORD LNPUBLIC NSFItemGetTextListEntries(NOTEHANDLE hNote, const char far *ItemName);
/* Entry EntryPos (from 0), cut to BufferLength bytes and terminated after
 * them: pass the buffer's size less one. */
WORD LNPUBLIC NSFItemGetTextListEntry(NOTEHANDLE hNote, const char far *ItemName,
                                      WORD EntryPos, char far *retBuffer, WORD BufferLength);
/* Replaces every item of the name by a summary list of this one entry. */
STATUS LNPUBLIC NSFItemCreateTextList(NOTEHANDLE hNote, const char far *ItemName,
                                      const char far *Text, WORD TextLength);
/* Adds an entry at the end of the first item of the name (a plain text
 * becomes a list), creating a summary list when there is none; without
 * fAllowDuplicates an entry already there (with case) is not added again. */
STATUS LNPUBLIC NSFItemAppendTextList(NOTEHANDLE hNote, const char far *ItemName,
                                      const char far *Text, WORD TextLength,
                                      BOOL fAllowDuplicates);

/* In a summary buffer (an ITEM_TABLE): the text of a text item, or the first
 * entry of a text list, cut to ValueBufferLength - 1 and terminated. */
BOOL LNPUBLIC NSFGetSummaryValue(const void far *SummaryBuffer, const char far *Name,
                                 char far *retValue, WORD ValueBufferLength);
/* Where the value of the item lies in the buffer: *(char **)retValuePointer
 * past the type word, the length without it, and the type. */
BOOL LNPUBLIC NSFLocateSummaryValue(const void far *SummaryBuffer, const char far *Name,
                                    void far *retValuePointer, WORD far *retValueLength,
                                    WORD far *retDataType);

#ifdef __cplusplus
}
#endif

#endif
