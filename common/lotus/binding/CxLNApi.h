// The library's binding to the Lotus Notes C API. The engine calls Notes only
// through the table returned by LNApi(); API start fills it from
// "./libnotes.so" of the current directory (the Notes program folder), and
// tests install a table of fakes instead.
#pragma once
#include "editods.h"
#include "global.h"
#include "kfm.h"
#include "misc.h"
#include "nsfdb.h"
#include "nsfnote.h"
#include "nsfsearc.h"
#include "ods.h"
#include "oserr.h"
#include "osfile.h"
#include "osmem.h"
#include "osmisc.h"

// Every function of the C API the engine may call, by its public name.
#define CX_LN_API_FUNCTIONS(X)                                                                     \
    X(NotesInitExtended)                                                                           \
    X(NotesInit)                                                                                   \
    X(NotesTerm)                                                                                   \
    X(SECKFMSwitchToIDFile)                                                                        \
    X(SECKFMGetUserName)                                                                           \
    X(OSLoadString)                                                                                \
    X(OSGetDataDirectory)                                                                          \
    X(OSPathNetConstruct)                                                                          \
    X(OSMemFree)                                                                                   \
    X(NSFDbOpen)                                                                                   \
    X(NSFDbClose)                                                                                  \
    X(NSFFormulaCompile)                                                                           \
    X(NSFSearch)                                                                                   \
    X(NSFNoteOpen)                                                                                 \
    X(NSFNoteCreate)                                                                               \
    X(NSFNoteUpdate)                                                                               \
    X(NSFNoteClose)                                                                                \
    X(NSFNoteDelete)                                                                               \
    X(NSFNoteGetInfo)                                                                              \
    X(NSFItemScan)                                                                                 \
    X(NSFItemSetText)                                                                              \
    X(NSFItemGetText)                                                                              \
    X(NSFItemSetTime)                                                                              \
    X(NSFItemSetNumber)                                                                            \
    X(NSFItemTextEqual)                                                                            \
    X(NSFItemTimeCompare)                                                                          \
    X(NSFItemGetNumber)                                                                            \
    X(NSFItemAppend)                                                                               \
    X(NSFItemDelete)                                                                               \
    X(NSFItemInfo)                                                                                 \
    X(ODSLength)                                                                                   \
    X(ODSWriteMemory)                                                                              \
    X(ConvertTextToTIMEDATE)                                                                       \
    X(ConvertTIMEDATEToText)                                                                       \
    X(OSTranslate)

#define CX_LN_API_MEMBER(name) decltype(&::name) name;

// One pointer per function, typed from the header so a fake cannot drift.
struct tagLNApiTable {
    CX_LN_API_FUNCTIONS(CX_LN_API_MEMBER)
};

#undef CX_LN_API_MEMBER

class CxLNApi {
public:
    // API start: binds the library (unless a table is installed) and calls
    // NotesInitExtended. False, with the library released, when the library
    // or one of its functions is missing or the start fails.
    static bool Start();
    // API stop: NotesTerm, then releases the library. Harmless when not started.
    static void Stop();

    // Tests: every later start and call uses `table`; the library is not loaded.
    static void Install(const tagLNApiTable& table);
    // Back to the real library, the table emptied.
    static void Uninstall();

    static bool IsStarted();
    // Why the last start failed, empty after one that succeeded.
    static const char* StartError();
};

// The table the engine calls through; empty (null pointers) outside a start
// unless a table is installed. Its calls take and give text in the records'
// code page (Windows-1252) and translate it to and from LMBCS, the API's own
// character set: item names and values, text lists, formulas, paths, user
// names and status texts. Rich text and date texts cross as they are (see
// CxLNLmbcs.h).
const tagLNApiTable& LNApi();

// The API's calls themselves, text in LMBCS as Notes keeps it: for copies of
// items that must stay exact (the journal's pictures, the undo).
const tagLNApiTable& LNStoredApi();
