/* Notes C API: the basic types, calling conventions and constants, and the
 * runtime's start and stop. The forms are those of the 64-bit Linux toolkit
 * (UNIX, LINUX64, ND64, LONGIS64BIT, HANDLE_IS_32BITS): LONG and DWORD stay
 * 32 bits, handles are 32 bits, structures have natural alignment. */
#ifndef ZEMBRIK_NOTESAPI_GLOBAL_H
#define ZEMBRIK_NOTESAPI_GLOBAL_H

#include <stddef.h>
#include <stdint.h>

/* Keywords of old compilers: nothing on this platform. */
#undef far
#define far
#undef near
#define near
#undef huge
#define huge
#undef cdecl
#define cdecl
#undef pascal
#define pascal
#ifndef FAR
#define FAR
#endif
#ifndef NEAR
#define NEAR
#endif
#ifndef PASCAL
#define PASCAL
#endif

#define VOID void
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int DWORD;
typedef int LONG;
typedef unsigned int ULONG;
typedef unsigned short int USHORT;
typedef unsigned char UCHAR;
typedef unsigned int UINT;
typedef int BOOL;
typedef unsigned long QWORD;
typedef unsigned long DWORD64;
typedef long LONG64;

#define BOOLBYTE BYTE
#define UBYTE BYTE
#define SBYTE signed char
#define SWORD signed short

/* Handles are 32 bits, pointers 64. */
typedef unsigned int HANDLE;
typedef HANDLE WHANDLE;
typedef unsigned int DHANDLE;
#ifndef HMODULE
#define HMODULE HANDLE
#endif
typedef DWORD MEMHANDLE;
#define NULLMEMHANDLE (MEMHANDLE)0

typedef WORD STATUS;
typedef DWORD FONTID;

typedef struct {
    USHORT ListEntries; /* the entries follow */
} LIST;

typedef struct {
    USHORT ListEntries;  /* the single values follow, */
    USHORT RangeEntries; /* then the pairs */
} RANGE;

/* Read only through the time functions. */
typedef struct tagTIMEDATE {
    DWORD Innards[2];
} TIMEDATE;

typedef struct {
    TIMEDATE Lower;
    TIMEDATE Upper;
} TIMEDATE_PAIR;

typedef double NUMBER;
typedef NUMBER ALIGNED_NUMBER;

typedef struct {
    NUMBER Lower;
    NUMBER Upper;
} NUMBER_PAIR;

typedef NUMBER_PAIR ALIGNED_NUMBER_PAIR;

typedef struct {
    BYTE ID[5];
    BYTE Product;
    BYTE Check[2];
} LICENSEID;

typedef WORD BLOCK;

#ifndef TRUE
#define FALSE 0
#define TRUE !FALSE
#endif

#ifdef NULL
#undef NULL
#endif
#define NULL 0

#define LNPUBLIC FAR PASCAL
#define LNCALLBACK FAR PASCAL
#define LNCALLBACKPTR LNCALLBACK FAR *
#define LNVARARGS FAR cdecl

#ifdef NULLHANDLE
#undef NULLHANDLE
#endif
#define NULLHANDLE 0

#ifndef MAXDWORD
#define MAXDWORD ((DWORD)0xffffffff)
#endif
#ifndef MAXWORD
#define MAXWORD ((WORD)0xffff)
#endif
#ifndef MAXBYTE
#define MAXBYTE ((BYTE)0xff)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* argv[0] names a file in the program folder; an argument "=file.ini" (not
 * the first) names notes.ini, relative to the program folder. */
STATUS LNPUBLIC NotesInitExtended(int argc, char far *far *argv);
STATUS LNPUBLIC NotesInit(void);
void LNPUBLIC NotesTerm(void);

#ifdef __cplusplus
}
#endif

#include "globerr.h"

#endif
