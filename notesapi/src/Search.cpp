// Formula compile, database search and the freeing of formula handles.
#include "notesapi/src/Formula.h"
#include "notesapi/src/Handles.h"
#include "notesapi/src/Session.h"
#include "notesapi/src/Store.h"
#include "notesapi/src/Text.h"
#include "notesapi/src/TimeDate.h"

#include <cstring>

namespace {

template <class T> void Put(T* out, T value) {
    if (out)
        *out = value;
}

SEARCH_MATCH MatchOf(NOTEID id) {
    SEARCH_MATCH match;
    std::memset(&match, 0, sizeof match);
    match.ID.NoteID = id;
    match.NoteClass = NOTE_CLASS_DOCUMENT;
    match.SERetFlags = SE_FMATCH;
    return match;
}

} // namespace

STATUS LNPUBLIC NSFFormulaCompile(char* FormulaName, WORD FormulaNameLength,
                                  const char* FormulaText, WORD FormulaTextLength,
                                  FORMULAHANDLE* rethFormula, WORD* retFormulaLength,
                                  STATUS* retCompileError, WORD* retCompileErrorLine,
                                  WORD* retCompileErrorColumn, WORD* retCompileErrorOffset,
                                  WORD* retCompileErrorLength) {
    (void)FormulaName;
    (void)FormulaNameLength;
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!rethFormula)
        return ERR_BAD_ARGUMENT;
    *rethFormula = NULLHANDLE;
    std::string text = zns::NameArgument(FormulaText, FormulaTextLength);
    auto object = std::make_unique<zns::FormulaObject>();
    size_t offset = 0;
    if (!zns::CompileFormula(text.data(), text.size(), object->formula, offset)) {
        Put<STATUS>(retCompileError, ERR_FORMULA_COMPILATION);
        Put<WORD>(retCompileErrorLine, 1);
        Put<WORD>(retCompileErrorColumn, static_cast<WORD>(offset + 1));
        Put<WORD>(retCompileErrorOffset, static_cast<WORD>(offset));
        Put<WORD>(retCompileErrorLength, static_cast<WORD>(text.size() - offset));
        return ERR_FORMULA_COMPILATION;
    }
    Put<STATUS>(retCompileError, NOERROR);
    Put<WORD>(retCompileErrorLine, 0);
    Put<WORD>(retCompileErrorColumn, 0);
    Put<WORD>(retCompileErrorOffset, 0);
    Put<WORD>(retCompileErrorLength, 0);
    Put<WORD>(retFormulaLength, static_cast<WORD>(text.size()));
    *rethFormula = zns::AddHandle(std::move(object));
    return NOERROR;
}

STATUS LNPUBLIC NSFSearch(DBHANDLE hDB, FORMULAHANDLE hFormula, char* ViewTitle,
                          WORD SearchFlags, WORD NoteClassMask, TIMEDATE* Since,
                          NSFSEARCHPROC EnumRoutine, void* EnumRoutineParameter,
                          TIMEDATE* retUntil) {
    (void)ViewTitle;
    (void)SearchFlags;
    (void)Since;
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::DatabaseObject* db = zns::FindHandle<zns::DatabaseObject>(hDB);
    if (!db)
        return ERR_INVALID_HANDLE;
    zns::Formula all;
    all.all = true;
    const zns::Formula* formula = &all;
    if (hFormula != NULLHANDLE) {
        zns::FormulaObject* object = zns::FindHandle<zns::FormulaObject>(hFormula);
        if (!object)
            return ERR_INVALID_HANDLE;
        formula = &object->formula;
    }
    if (!EnumRoutine)
        return ERR_BAD_ARGUMENT;
    // Copies: the callback may free the formula or close the database.
    zns::Formula chosen = *formula;
    std::shared_ptr<zns::Store> store = db->store;
    std::vector<zns::NoteSummary> notes;
    STATUS status = store->ListNotes(NoteClassMask, zns::FormulaItemName(chosen), notes);
    if (status != NOERROR)
        return status;
    if (retUntil)
        *retUntil = zns::NowTimeDate();
    for (const zns::NoteSummary& note : notes) {
        if (!zns::FormulaMatches(chosen, note.hasItem ? &note.item : nullptr))
            continue;
        SEARCH_MATCH match = MatchOf(note.id);
        status = EnumRoutine(EnumRoutineParameter, &match, nullptr);
        if (status != NOERROR)
            return status;
    }
    return NOERROR;
}

STATUS LNPUBLIC OSMemFree(DHANDLE Handle) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!zns::FindHandle<zns::FormulaObject>(Handle))
        return ERR_INVALID_HANDLE;
    zns::RemoveHandle(Handle);
    return NOERROR;
}
