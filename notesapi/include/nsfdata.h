/* Notes C API: notes, their identities and the types of item values. */
#ifndef ZEMBRIK_NOTESAPI_NSFDATA_H
#define ZEMBRIK_NOTESAPI_NSFDATA_H

#include "global.h"
#include "pool.h"

#define DBHANDLE DHANDLE
#define NOTEHANDLE DHANDLE
#define FORMULAHANDLE DHANDLE

typedef DWORD NOTEID;
typedef TIMEDATE DBID;

typedef struct {
    DBID File;
    TIMEDATE Note;
} UNIVERSALNOTEID;
#define UNID UNIVERSALNOTEID

typedef struct {
    DBID File;
    TIMEDATE Note;
    NOTEID NoteID;
} GLOBALINSTANCEID;

typedef struct ORIGINATORID_tag {
    DBID File;
    TIMEDATE Note;
    DWORD Sequence;
    TIMEDATE SequenceTime;
} ORIGINATORID;
#define OID ORIGINATORID

/* Note classes. */
#define NOTE_CLASS_DOCUMENT 0x0001
#define NOTE_CLASS_DATA NOTE_CLASS_DOCUMENT
#define NOTE_CLASS_INFO 0x0002
#define NOTE_CLASS_FORM 0x0004
#define NOTE_CLASS_VIEW 0x0008
#define NOTE_CLASS_ICON 0x0010
#define NOTE_CLASS_DESIGN 0x0020
#define NOTE_CLASS_ACL 0x0040
#define NOTE_CLASS_HELP_INDEX 0x0080
#define NOTE_CLASS_HELP 0x0100
#define NOTE_CLASS_FILTER 0x0200
#define NOTE_CLASS_FIELD 0x0400
#define NOTE_CLASS_REPLFORMULA 0x0800
#define NOTE_CLASS_PRIVATE 0x1000
#define NOTE_CLASS_DEFAULT 0x8000
#define NOTE_CLASS_NOTIFYDELETION NOTE_CLASS_DEFAULT
#define NOTE_CLASS_ALL 0x7fff
#define NOTE_CLASS_ALLNONDATA 0x7ffe
#define NOTE_CLASS_NONE 0x0000

/* Value types: the word every item value begins with. */
#define CLASS_NOCOMPUTE (0 << 8)
#define CLASS_ERROR (1 << 8)
#define CLASS_UNAVAILABLE (2 << 8)
#define CLASS_NUMBER (3 << 8)
#define CLASS_TIME (4 << 8)
#define CLASS_TEXT (5 << 8)
#define CLASS_FORMULA (6 << 8)
#define CLASS_USERID (7 << 8)
#define CLASS_MASK 0xff00

#define TYPE_ERROR (CLASS_ERROR + 0)
#define TYPE_UNAVAILABLE (CLASS_UNAVAILABLE + 0)
#define TYPE_TEXT (CLASS_TEXT + 0)
#define TYPE_TEXT_LIST (CLASS_TEXT + 1)
#define TYPE_NUMBER (CLASS_NUMBER + 0)
#define TYPE_NUMBER_RANGE (CLASS_NUMBER + 1)
#define TYPE_TIME (CLASS_TIME + 0)
#define TYPE_TIME_RANGE (CLASS_TIME + 1)
#define TYPE_FORMULA (CLASS_FORMULA + 0)
#define TYPE_USERID (CLASS_USERID + 0)
#define TYPE_INVALID_OR_UNKNOWN (CLASS_NOCOMPUTE + 0)
#define TYPE_COMPOSITE (CLASS_NOCOMPUTE + 1)

/* A summary buffer: the table, one ITEM per item, then each item's name
 * (not terminated) followed by its value (the type word first). */
typedef struct {
    USHORT Length; /* of the whole buffer */
    USHORT Items;
} ITEM_TABLE;

typedef struct {
    USHORT NameLength;
    USHORT ValueLength; /* the type word included */
} ITEM;

#endif
