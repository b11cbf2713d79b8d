/* Notes C API: status texts and the translation of LMBCS, the character set
 * of every text the API takes and gives. */
#ifndef ZEMBRIK_NOTESAPI_OSMISC_H
#define ZEMBRIK_NOTESAPI_OSMISC_H

#include <sys/types.h>

#include "global.h"
#include "names.h"

#define OS_TRANSLATE_NATIVE_TO_LMBCS 0
#define OS_TRANSLATE_LMBCS_TO_NATIVE 1
#define OS_TRANSLATE_OSNATIVE_TO_LMBCS 0
#define OS_TRANSLATE_LMBCS_TO_OSNATIVE 1
#define OS_TRANSLATE_LMBCS_TO_ASCII 11
#define OS_TRANSLATE_LMBCS_TO_UNICODE 20
#define OS_TRANSLATE_LMBCS_TO_UTF8 22
#define OS_TRANSLATE_UNICODE_TO_LMBCS 23
#define OS_TRANSLATE_UTF8_TO_LMBCS 24

#ifdef __cplusplus
extern "C" {
#endif

/* The text of ERR(StringCode), cut to BufferLength - 1 bytes and terminated;
 * its length, 0 when there is none. Pass NULLHANDLE as the module. */
WORD LNPUBLIC OSLoadString(HMODULE hModule, STATUS StringCode, char far *retBuffer,
                           WORD BufferLength);

/* Translates InLength bytes (MAXWORD, MAXDWORD: up to the terminator) and
 * returns the bytes written. The stand-in's choices where the documentation
 * is silent: the native set is UTF-8; Unicode means UTF-16 in the machine's
 * byte order; no character is split, and a terminator follows when it fits.
 * A sequence cut short or of an unknown group becomes U+FFFD in Unicode and
 * '?' in a byte set, as does a character the target set has no form for. */
WORD LNPUBLIC OSTranslate(WORD TranslateMode, const char far *In, WORD InLength, char far *Out,
                          WORD OutLength);
DWORD LNPUBLIC OSTranslate32(WORD TranslateMode, const char far *In, DWORD InLength,
                             char far *Out, DWORD OutLength);

#ifdef __cplusplus
}
#endif

#endif
