#include "ValuesMatch.h"

#include <cstring>
#include <memory>
#include <string>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxList.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardKinds.h"
#include "wizard/update/VxTemplate.h"
#include "wizard/update/VxValueTable.h"

namespace {

// Counts one matched record of `row`.
void Count(const CxFUValueTable& table, long row, std::vector<uint32_t>* hits,
           tagValuesMatch* match) {
    ++(*hits)[static_cast<std::size_t>(row)];
    ++match->nRecords;
    const tagFUValueRow& values = table.GetRow(static_cast<std::size_t>(row));
    for (std::size_t c = 0; c < values.cells.size(); ++c)
        if (values.cells[c].nState != FU_CELL_EMPTY)
            ++match->fieldRecords[c];
}

// A record not in memory is read into one copy in turn, for its key alone.
template <class Util>
void MatchKind(Util* util, const tagFUKindFields& kind, const CxFUValueTable& table,
               CxList* candidates, std::vector<uint32_t>* hits, tagValuesMatch* match) {
    typedef tagKindCommRec<Util> CommRec;
    typedef typename Util::Rec Rec;
    const tagFUFieldInfo* key = FUCatalogueFind(kind, table.GetKeyField());
    CxList* records = candidates;
    if (!records && util && util->GetDataMgr())
        records = util->GetDataMgr()->GetRecords();
    if (!key || !records)
        return;
    const std::size_t size = static_cast<std::size_t>(key->nMaxLen);
    std::string scratch;
    std::unique_ptr<Rec> copy;
    for (const tagLNHeld& held : LNHeldEntries(records)) {
        void* rec = nullptr;
        if (held.pElement) {
            rec = static_cast<CommRec*>(held.pElement)->pUserData;
        } else if (held.pKey) {
            if (!copy)
                copy.reset(new Rec);
            rec = util->GetRecStore()->ReadRec(held.pKey, copy.get()) ? copy.get() : nullptr;
        }
        // The key is a text field, read where it lies.
        const char* text =
            rec ? static_cast<const char*>(FUFieldAt(rec, kind, key->nKey, FU_FIELD_TEXT))
                : nullptr;
        const long row = text ? table.FindRow(text, strnlen(text, size), &scratch) : -1;
        if (row < 0)
            continue;
        Count(table, row, hits, match);
        match->records.push_back(held);
    }
}

} // namespace

tagValuesMatch MatchValues(CxWizardController& c, const CxFUValueTable& table,
                           CxList* candidates) {
    tagValuesMatch match;
    match.nRows = table.GetRowCount();
    match.fieldRecords.assign(static_cast<std::size_t>(table.GetColumnCount()), 0);
    std::vector<uint32_t> hits(match.nRows, 0);
    const tagWizardKind* kind = GetWizardKind(c.GetSettings().AppFlag);
    if (kind)
        c.ForCurrentKind(0, [&](auto* util, auto*) {
            MatchKind(util, *kind->fields, table, candidates, &hits, &match);
            return 0;
        });
    for (std::size_t row = 0; row < hits.size(); ++row) {
        if (hits[row] == 0)
            match.unmatched.push_back(row);
        else
            ++match.nRowsMatched;
        if (hits[row] > 1)
            match.several.push_back({row, hits[row]});
    }
    return match;
}
