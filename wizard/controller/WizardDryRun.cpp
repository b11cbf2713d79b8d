#include "WizardDryRun.h"

#include <cstring>
#include <memory>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "common/pim/CommRecords.h"
#include "platform/Cp1252.h"
#include "platform/OleDate.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardSelection.h"
#include "wizard/update/UpdateRun.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

namespace {

// A record's field text (Windows-1252) in UTF-8; reads at most `max` bytes.
std::string FieldText(const char* field, std::size_t max) {
    return field ? platform::Cp1252ToUtf8(std::string(field, strnlen(field, max))) : std::string();
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string EnumText(const tagFUFieldInfo& row, int32_t value) {
    for (int e = 0; e < row.nEnumCount && e < FU_MAX_ENUM; ++e)
        if (row.nEnumValues[e] == value)
            return FieldText(row.szEnumNames[e], sizeof row.szEnumNames[e]);
    return std::to_string(value);
}

template <class Engine>
std::string ValueText(typename Engine::Record* rec, const tagFUFieldInfo& row) {
    switch (row.nType) {
    case FU_TYPE_STRING: {
        const char* field = Engine::GetTextField(rec, row.nKey);
        return field ? Quoted(FieldText(field, static_cast<std::size_t>(row.nMaxLen))) : "";
    }
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME: {
        const double* field = Engine::GetDateField(rec, row.nKey);
        return field ? WizardDateText(*field, row.nType == FU_TYPE_DATETIME) : "";
    }
    case FU_TYPE_BOOLEAN: {
        const uint8_t* field = Engine::GetBoolField(rec, row.nKey);
        return field ? (*field ? "true" : "false") : "";
    }
    case FU_TYPE_INTEGER: {
        const int32_t* field = Engine::GetIntField(rec, row.nKey);
        return field ? std::to_string(*field) : "";
    }
    case FU_TYPE_ENUM: {
        const int32_t* field = Engine::GetEnumField(rec, row.nKey);
        return field ? EnumText(row, *field) : "";
    }
    default:
        return "";
    }
}

// The catalogue rows the definitions touch, each once, in definition order.
template <class Engine> std::vector<const tagFUFieldInfo*> TouchedRows(CxList* definitions) {
    std::vector<const tagFUFieldInfo*> rows;
    for (uint32_t i = 0; definitions && i < definitions->GetCount(); ++i) {
        auto* def = static_cast<const tagFUFieldUpdate*>(definitions->GetAt(i));
        const tagFUFieldInfo* row = def ? Engine::FindUpdateField(def->nFieldKey) : nullptr;
        bool seen = false;
        for (const tagFUFieldInfo* r : rows)
            seen = seen || r == row;
        if (row && !seen)
            rows.push_back(row);
    }
    return rows;
}

template <class Engine>
std::vector<std::string> Texts(typename Engine::Record* rec,
                               const std::vector<const tagFUFieldInfo*>& rows) {
    std::vector<std::string> texts;
    for (const tagFUFieldInfo* row : rows)
        texts.push_back(ValueText<Engine>(rec, *row));
    return texts;
}

// One record's changed fields: the update runs on `copy`, a copy of `rec`,
// so that nothing of the record itself changes.
template <class Util, class Engine>
void RecordChanges(typename Engine::Record* rec, typename Engine::Record* copy,
                   CxList* definitions, Engine* engine,
                   const std::vector<const tagFUFieldInfo*>& rows, tagDryRunRecord* out) {
    typedef tagKindCommRec<Util> CommRec;
    const std::vector<std::string> before = Texts<Engine>(rec, rows);
    *copy = *rec;
    std::unique_ptr<CommRec> carrier(new CommRec());
    carrier->pUserData = copy;
    CxList one;
    one.Add(carrier.get());
    RunFieldUpdates(&one, definitions, engine);
    const std::vector<std::string> after = Texts<Engine>(copy, rows);
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (before[r] != after[r])
            out->fields.push_back(
                {FieldText(rows[r]->szName, sizeof rows[r]->szName), before[r], after[r]});
    out->sID = FieldText(rec->szID, sizeof rec->szID);
}

// Each selected record is looked at as the update walks them, a record not in
// memory through a copy read from its store, which is never kept.
template <class Util, class Engine>
void DryRun(Util* util, CxList* selected, CxList* definitions, Engine* engine, uint32_t from,
            uint32_t count, const std::function<void(const tagDryRunRecord&)>& changed,
            tagDryRunCounts* counts) {
    typedef typename Engine::Record Record;
    const std::vector<const tagFUFieldInfo*> rows = TouchedRows<Engine>(definitions);
    std::unique_ptr<Record> copy(new Record());
    ForEachSelectedRec(
        util, selected,
        [&](uint32_t index, Record* rec, bool) {
            ++counts->nLooked;
            if (!rec)
                return false;
            counts->nFieldsTouched += static_cast<uint32_t>(rows.size());
            tagDryRunRecord record;
            record.nIndex = index;
            RecordChanges<Util>(rec, copy.get(), definitions, engine, rows, &record);
            if (!record.fields.empty()) {
                ++counts->nChanged;
                counts->nFieldsChanged += static_cast<uint32_t>(record.fields.size());
                if (changed)
                    changed(record);
            }
            return false;
        },
        from, count);
}

} // namespace

void WizardDryRun(CxWizardController& c, uint32_t from, uint32_t count,
                  const std::function<void(const tagDryRunRecord&)>& changed,
                  tagDryRunCounts* counts) {
    tagDryRunCounts ignored;
    tagDryRunCounts* to = counts ? counts : &ignored;
    CxList* selected = c.GetSelectedRecords();
    CxList* definitions = c.GetUpdateDefinitions();
    c.ForCurrentKind(0, [&](auto* util, auto* engine) {
        DryRun(util, selected, definitions, engine, from, count, changed, to);
        return 0;
    });
}

std::string WizardDateText(double value, bool withTime) {
    SYSTEMTIME st;
    if (value == 0.0)
        return "(none)";
    if (!VariantTimeToSystemTime(value, &st))
        return "(invalid)";
    char text[32];
    if (withTime)
        CxStrFormat(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", st.wYear, st.wMonth,
                    st.wDay, st.wHour, st.wMinute, st.wSecond);
    else
        CxStrFormat(text, sizeof text, "%04u-%02u-%02u", st.wYear, st.wMonth, st.wDay);
    return text;
}
