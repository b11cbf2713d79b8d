#include "BatchValues.h"

#include "common/misc/CxList.h"
#include "platform/Cp1252.h"
#include "wizard/batch/BatchOptions.h"
#include "wizard/controller/ValuesFile.h"
#include "wizard/controller/ValuesImport.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardSelection.h"
#include "wizard/controller/WizardValues.h"
#include "wizard/update/VxTemplate.h"
#include "wizard/update/VxValueTable.h"
#include "wizard/update/Vxlnkind.h"

namespace {

bool Fail(std::string* error, const std::string& text) {
    *error = text;
    return false;
}

std::string Lines(const std::vector<std::string>& errors) {
    std::string text;
    for (const std::string& e : errors)
        text += (text.empty() ? "" : "\n") + e;
    return text;
}

// The options that only --values-from gives a meaning.
bool CheckAlone(const tagBatchOptions& o, std::string* error) {
    if (!o.valuesKey.empty())
        return Fail(error, "--key names the key field of --values-from FILE.");
    if (!o.encoding.empty())
        return Fail(error, "--encoding names the encoding of --values-from FILE.");
    if (!o.unmatchedFile.empty())
        return Fail(error, "--unmatched lists the unmatched keys of --values-from FILE.");
    return true;
}

const tagFUFieldInfo* KeyField(const tagBatchOptions& o, const tagBatchKind& kind,
                               std::string* error) {
    if (o.valuesKey.empty()) {
        Fail(error, "Name the field that --values-from matches with --key FIELD.");
        return nullptr;
    }
    const tagFUFieldInfo* key = FindBatchField(kind, platform::Utf8ToCp1252(o.valuesKey));
    if (!key) {
        const std::string nearest =
            kind.fields ? FUNearestNames(*kind.fields, platform::Utf8ToCp1252(o.valuesKey)) : "";
        Fail(error, "Unknown --key field \"" + o.valuesKey + "\" for " + kind.name +
                        (nearest.empty() ? "" : "; did you mean " + nearest + "?") +
                        " See --list-fields " + kind.name + ".");
    }
    return key;
}

std::string KeyOf(const tagBatchValues& values, std::size_t row) {
    return platform::Cp1252ToUtf8(values.table->GetRow(row).key);
}

std::string LineOf(const tagBatchValues& values, std::size_t row) {
    return "line " + std::to_string(values.table->GetRow(row).nLine);
}

std::string Records(uint32_t n) {
    return std::to_string(n) + (n == 1 ? " record" : " records");
}

} // namespace

bool ReadBatchValues(const tagBatchOptions& o, const tagBatchKind& kind,
                     std::shared_ptr<tagBatchValues>* values,
                     std::vector<tagFUFieldUpdate>* definitions, std::string* error) {
    if (o.valuesFrom.empty())
        return CheckAlone(o, error);
    const tagFUFieldInfo* key = KeyField(o, kind, error);
    if (!key)
        return false;
    tagValuesFile file;
    if (!ReadValuesFile(o.valuesFrom, o.encoding, &file, error))
        return false;
    const std::vector<std::string> names = CheckValuesNames(file, kind);
    if (!names.empty())
        return Fail(error, Lines(names));
    tagValuesPlan plan = PlanValuesByName(file, kind);
    plan.nKeyColumn = FindValuesColumn(plan, key->nKey);
    if (plan.nKeyColumn < 0)
        return Fail(error, ValuesFileError(file.name, 1, 0,
                                           "no column names the key field \"" +
                                               platform::Cp1252ToUtf8(key->szName) + "\""));
    auto made = std::make_shared<tagBatchValues>();
    std::vector<std::string> errors;
    if (!BuildValuesTable(file, plan, kind, &made->table, &errors))
        return Fail(error, Lines(errors));
    if (made->table->GetColumnCount() == 0)
        return Fail(error, file.name + " names no field to set besides the key \"" +
                               platform::Cp1252ToUtf8(key->szName) + "\".");
    made->fileName = file.name;
    made->keyName = platform::Cp1252ToUtf8(key->szName);
    for (const tagFUFieldUpdate& def : MakeValuesDefinitions(*made->table))
        definitions->push_back(def);
    *values = std::move(made);
    return true;
}

unsigned KeepBatchMatched(CxWizardController& c, tagBatchValues* values) {
    CxList* selected = c.GetSelectedRecords();
    if (!values || !values->table || !selected || !SetWizardValues(c, values->table))
        return 0;
    values->match = MatchValues(c, *values->table, selected);
    values->bMatched = true;
    selected->RemoveAll(false);
    for (const tagLNHeld& record : values->match.records)
        SelectHeld(c, record);
    return selected->GetCount();
}

std::string BatchValuesReport(const tagBatchValues& v) {
    const tagValuesMatch& m = v.match;
    std::string text = "Values from " + v.fileName + " by " + v.keyName + ": " +
                       std::to_string(m.nRowsMatched) + " of " + std::to_string(m.nRows) +
                       " rows matched " + Records(m.nRecords) + ".\n";
    for (int c = 0; c < v.table->GetColumnCount(); ++c) {
        text += "  " + platform::Cp1252ToUtf8(v.table->GetColumn(c).name) + ": " +
                Records(m.fieldRecords[static_cast<std::size_t>(c)]) + "\n";
    }
    for (const auto& several : m.several)
        text += "  \"" + KeyOf(v, several.first) + "\" (" + LineOf(v, several.first) +
                ") matched " + Records(several.second) + "; each is updated.\n";
    if (!m.unmatched.empty())
        text += "  " + std::to_string(m.unmatched.size()) +
                (m.unmatched.size() == 1 ? " key matched no record:\n" : " keys matched no record:\n");
    for (std::size_t i = 0; i < m.unmatched.size() && i < kBatchUnmatchedShown; ++i)
        text += "    \"" + KeyOf(v, m.unmatched[i]) + "\" (" + LineOf(v, m.unmatched[i]) + ")\n";
    if (m.unmatched.size() > kBatchUnmatchedShown)
        text += "    ... and " + std::to_string(m.unmatched.size() - kBatchUnmatchedShown) +
                " more; --unmatched FILE lists them all.\n";
    return text;
}

bool WriteBatchUnmatched(const std::string& path, const tagBatchValues& v, std::string* error) {
    std::vector<std::string> keys;
    for (std::size_t row : v.match.unmatched)
        keys.push_back(KeyOf(v, row));
    return WriteValuesColumn(path, v.keyName, keys, error);
}
