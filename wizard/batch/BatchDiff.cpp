#include "BatchDiff.h"

#include <cstring>
#include <memory>
#include <vector>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "common/pim/CommRecords.h"
#include "platform/OleDate.h"
#include "wizard/batch/BatchText.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardSelection.h"
#include "wizard/update/UpdateRun.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string EnumText(const tagFUFieldInfo& row, int32_t value) {
    for (int e = 0; e < row.nEnumCount && e < FU_MAX_ENUM; ++e)
        if (row.nEnumValues[e] == value)
            return BatchFieldText(row.szEnumNames[e], sizeof row.szEnumNames[e]);
    return std::to_string(value);
}

template <class Engine>
std::string ValueText(typename Engine::Record* rec, const tagFUFieldInfo& row) {
    switch (row.nType) {
    case FU_TYPE_STRING: {
        const char* field = Engine::GetTextField(rec, row.nKey);
        return field ? Quoted(BatchFieldText(field, static_cast<std::size_t>(row.nMaxLen))) : "";
    }
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME: {
        const double* field = Engine::GetDateField(rec, row.nKey);
        return field ? BatchDateText(*field, row.nType == FU_TYPE_DATETIME) : "";
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
        texts.push_back(rec ? ValueText<Engine>(rec, *row) : "");
    return texts;
}

// The changed fields of one record: applied to a copy, so that a dry run
// changes no record, in memory or anywhere else.
template <class Util, class Engine>
std::string RecordChanges(typename Engine::Record* rec, CxList* definitions, Engine* engine,
                          const std::vector<const tagFUFieldInfo*>& rows) {
    typedef tagKindCommRec<Util> CommRec;
    typedef typename Engine::Record Record;
    const std::vector<std::string> before = Texts<Engine>(rec, rows);
    std::unique_ptr<Record> changed(new Record(*rec));
    std::unique_ptr<CommRec> carrier(new CommRec());
    carrier->pUserData = changed.get();
    CxList one;
    one.Add(carrier.get());
    RunFieldUpdates(&one, definitions, engine);
    const std::vector<std::string> after = Texts<Engine>(changed.get(), rows);
    std::string lines;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (before[r] != after[r])
            lines += "  " + BatchFieldText(rows[r]->szName, sizeof rows[r]->szName) + ": " +
                     before[r] + " -> " + after[r] + "\n";
    return lines;
}

template <class Util, class Engine>
std::string DryRun(Util* util, CxList* selected, CxList* definitions, Engine* engine,
                   unsigned* changed) {
    // Only the touched fields' texts are kept from before, not whole records.
    const std::vector<const tagFUFieldInfo*> rows = TouchedRows<Engine>(definitions);
    std::string report;
    ForEachSelectedRec(util, selected, [&](uint32_t index, typename Engine::Record* rec, bool) {
        const std::string lines =
            rec ? RecordChanges<Util>(rec, definitions, engine, rows) : std::string();
        if (!lines.empty()) {
            ++*changed;
            report += "Record " + std::to_string(index + 1) + " (note ID " +
                      BatchFieldText(rec->szID, sizeof rec->szID) + "):\n" + lines;
        }
        return false;
    });
    return report;
}

} // namespace

std::string BatchDateText(double value, bool withTime) {
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

std::string RunBatchDryRun(CxWizardController& c, unsigned* changed) {
    unsigned count = 0;
    CxList* selected = c.GetSelectedRecords();
    CxList* definitions = c.GetUpdateDefinitions();
    const std::string report = c.ForCurrentKind(std::string(), [&](auto* util, auto* engine) {
        return DryRun(util, selected, definitions, engine, &count);
    });
    if (changed)
        *changed = count;
    return report;
}
