/* Notes C API: the rich-text records of a paragraph of text. */
#ifndef ZEMBRIK_NOTESAPI_EDITODS_H
#define ZEMBRIK_NOTESAPI_EDITODS_H

#include "global.h"
#include "ods.h"

#define SIG_CD_PARAGRAPH (129 | BYTERECORDLENGTH)
#define SIG_CD_PABDEFINITION (130 | WORDRECORDLENGTH)
#define SIG_CD_PABREFERENCE (131 | BYTERECORDLENGTH)
#define SIG_CD_TEXT (133 | WORDRECORDLENGTH)

#define MAXTABS 20

typedef struct {
    WSIG Header;
    WORD PABID;
    WORD JustifyMode;
    WORD LineSpacing;
    WORD ParagraphSpacingBefore;
    WORD ParagraphSpacingAfter;
    WORD LeftMargin; /* twips */
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

/* The run's text follows the record: Header.Length counts it. */
typedef struct {
    WSIG Header;
    FONTID FontID;
} CDTEXT;

#endif
