// Formula compile, database search and the freeing of what the API handed
// out behind handles.
#include "notesapi/src/Formula.h"
#include "notesapi/src/Handles.h"
#include "notesapi/src/Session.h"
#include "notesapi/src/Store.h"
#include "notesapi/src/SummaryBuffer.h"
#include "notesapi/src/Text.h"
#include "notesapi/src/TimeDate.h"

#include <cstring>

namespace {

SEARCH_MATCH MatchOf(const zns::NoteSummary& note) {
    SEARCH_MATCH match;
    std::memset(&match, 0, sizeof match);
    match.ID.NoteID = note.id;
    match.OriginatorID.Sequence = static_cast<DWORD>(note.sequence);
    match.NoteClass = note.noteClass;
    match.SERetFlags = SE_FMATCH;
    return match;
}

// A copy of the search's formula: the routine may free it meanwhile.
STATUS ChosenFormula(FORMULAHANDLE hFormula, zns::Formula& formula) {
    if (hFormula == NULLHANDLE) {
        formula = zns::Formula();
        return NOERROR;
    }
    zns::FormulaObject* object = zns::FindHandle<zns::FormulaObject>(hFormula);
    if (!object)
        return ERR_INVALID_HANDLE;
    formula = object->formula;
    return NOERROR;
}

STATUS CallRoutine(const zns::NoteSummary& note, bool summary, NSFSEARCHPROC routine,
                   void* parameter) {
    SEARCH_MATCH match = MatchOf(note);
    if (!summary)
        return routine(parameter, &match, nullptr);
    std::vector<uint8_t> buffer = zns::MakeSummaryBuffer(note.items);
    match.SummaryLength = static_cast<WORD>(buffer.size());
    return routine(parameter, &match, reinterpret_cast<ITEM_TABLE*>(buffer.data()));
}

STATUS Search(DBHANDLE hDB, FORMULAHANDLE hFormula, DWORD SearchFlags, WORD NoteClassMask,
              NSFSEARCHPROC EnumRoutine, void* EnumRoutineParameter, TIMEDATE* retUntil) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    zns::DatabaseObject* db = zns::FindHandle<zns::DatabaseObject>(hDB);
    if (!db)
        return ERR_INVALID_HANDLE;
    zns::Formula formula;
    STATUS status = ChosenFormula(hFormula, formula);
    if (status != NOERROR)
        return status;
    if (!EnumRoutine)
        return ERR_BAD_ARGUMENT;
    zns::ItemChoice choice;
    choice.names = zns::FormulaItemNames(formula);
    choice.summary = (SearchFlags & SEARCH_SUMMARY) != 0;
    // The store is kept: the routine may close the database.
    std::shared_ptr<zns::Store> store = db->store;
    std::vector<zns::NoteSummary> notes;
    status = store->ListNotes(NoteClassMask, choice, notes);
    if (status != NOERROR)
        return status;
    if (retUntil)
        *retUntil = zns::NowTimeDate();
    for (const zns::NoteSummary& note : notes) {
        if (!zns::FormulaMatches(formula, note.items))
            continue;
        status = CallRoutine(note, choice.summary, EnumRoutine, EnumRoutineParameter);
        if (status != NOERROR)
            return status;
    }
    return NOERROR;
}

void ReportCompileError(size_t offset, size_t length, STATUS* retCompileError,
                        WORD* retCompileErrorLine, WORD* retCompileErrorColumn,
                        WORD* retCompileErrorOffset, WORD* retCompileErrorLength) {
    const bool failed = offset <= length;
    zns::PutIf<STATUS>(retCompileError, failed ? ERR_FORMULA_COMPILATION : NOERROR);
    zns::PutIf<WORD>(retCompileErrorLine, failed ? 1 : 0);
    zns::PutIf<WORD>(retCompileErrorColumn, static_cast<WORD>(failed ? offset + 1 : 0));
    zns::PutIf<WORD>(retCompileErrorOffset, static_cast<WORD>(failed ? offset : 0));
    zns::PutIf<WORD>(retCompileErrorLength, static_cast<WORD>(failed ? length - offset : 0));
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
    const bool compiled = zns::CompileFormula(text.data(), text.size(), object->formula, offset);
    ReportCompileError(compiled ? text.size() + 1 : offset, text.size(), retCompileError,
                       retCompileErrorLine, retCompileErrorColumn, retCompileErrorOffset,
                       retCompileErrorLength);
    if (!compiled)
        return ERR_FORMULA_COMPILATION;
    zns::PutIf<WORD>(retFormulaLength, static_cast<WORD>(text.size()));
    *rethFormula = zns::AddHandle(std::move(object));
    return NOERROR;
}

STATUS LNPUBLIC NSFSearch(DBHANDLE hDB, FORMULAHANDLE hFormula, char* ViewTitle, WORD SearchFlags,
                          WORD NoteClassMask, TIMEDATE* Since, NSFSEARCHPROC EnumRoutine,
                          void* EnumRoutineParameter, TIMEDATE* retUntil) {
    (void)ViewTitle;
    (void)Since;
    return Search(hDB, hFormula, SearchFlags, NoteClassMask, EnumRoutine, EnumRoutineParameter,
                  retUntil);
}

STATUS LNPUBLIC NSFSearchExt2(DBHANDLE hDB, FORMULAHANDLE hFormula, DHANDLE hFilter,
                              DWORD FilterFlags, char* ViewTitle, DWORD SearchFlags,
                              DWORD SearchFlags1, WORD NoteClassMask, TIMEDATE* Since,
                              NSFSEARCHPROC EnumRoutine, void* EnumRoutineParameter,
                              TIMEDATE* retUntil, DWORD dwSecsToSearch) {
    (void)hFilter;
    (void)FilterFlags;
    (void)ViewTitle;
    (void)SearchFlags1;
    (void)Since;
    (void)dwSecsToSearch;
    return Search(hDB, hFormula, SearchFlags, NoteClassMask, EnumRoutine, EnumRoutineParameter,
                  retUntil);
}

STATUS LNPUBLIC OSMemFree(DHANDLE Handle) {
    ZNS_REQUIRE_INIT(ERR_NOT_INITIALIZED);
    if (!zns::FindHandle<zns::FormulaObject>(Handle) &&
        !zns::FindHandle<zns::IdTableObject>(Handle))
        return ERR_INVALID_HANDLE;
    zns::RemoveHandle(Handle);
    return NOERROR;
}
