#include "ValuesImport.h"

#include <cstdio>
#include <utility>

#include "common/misc/CxString.h"
#include "platform/Cp1252.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardKinds.h"
#include "wizard/update/VxKeyText.h"
#include "wizard/update/VxTemplate.h"
#include "wizard/update/VxValueTable.h"
#include "wizard/update/VxValueText.h"

namespace {

class CxErrors {
public:
    explicit CxErrors(std::vector<std::string>* errors) : m_errors(errors) {}
    void Add(const std::string& text) {
        if (m_errors->size() < kMaxValuesErrors)
            m_errors->push_back(text);
        else
            ++m_nMore;
    }
    bool Any() const { return !m_errors->empty(); }
    // The count of those not told.
    void Close() {
        if (m_nMore > 0)
            m_errors->push_back("... and " + std::to_string(m_nMore) + " more.");
    }

private:
    std::vector<std::string>* m_errors;
    std::size_t m_nMore = 0;
};

std::string Quoted(const char* cp1252) {
    return "\"" + platform::Cp1252ToUtf8(cp1252) + "\"";
}

const tagFUFieldInfo* RowOf(const tagWizardKind& kind, int key) {
    return FUCatalogueFind(*kind.fields, key);
}

// `utf8` in the records' code page; false when it has a character the code
// page lacks. Plain ASCII, as most cells are, needs no conversion.
bool ToRecordText(const std::string& utf8, std::string* text) {
    bool ascii = true;
    for (char c : utf8)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        *text = utf8;
        return true;
    }
    *text = platform::Utf8ToCp1252(utf8);
    return platform::Cp1252ToUtf8(*text) == utf8;
}

// The key column's field is a text field, and no field is set twice.
void CheckColumns(const tagValuesFile& file, const tagValuesPlan& plan, const tagWizardKind& kind,
                  CxErrors& errors) {
    const int width = static_cast<int>(plan.fields.size());
    const tagFUFieldInfo* key =
        plan.nKeyColumn >= 0 && plan.nKeyColumn < width
            ? RowOf(kind, plan.fields[static_cast<std::size_t>(plan.nKeyColumn)])
            : nullptr;
    if (!key)
        errors.Add(ValuesFileError(file.name, 1, 0, "no column is chosen as the key"));
    else if (key->nType != FU_TYPE_STRING)
        errors.Add(ValuesFileError(file.name, 1, plan.nKeyColumn + 1,
                                   "the key field " + Quoted(key->szName) +
                                       " is no text field"));
    for (int c = 0; c < width; ++c)
        for (int d = c + 1; d < width; ++d)
            if (plan.fields[c] >= 0 && plan.fields[c] == plan.fields[d])
                errors.Add(ValuesFileError(
                    file.name, 1, d + 1,
                    "column " + std::to_string(c + 1) + " names " +
                        Quoted(RowOf(kind, plan.fields[c])->szName) + " already"));
}

// The cells of one row into `row`; a key empty or given before is an error.
// `sources` gives the file's column of each column of the table.
void ReadRow(const tagValuesFile& file, const tagValuesFileRow& in, const tagValuesPlan& plan,
             const std::vector<std::size_t>& sources, const tagWizardKind& kind,
             CxFUValueTable& table, CxErrors& errors) {
    tagFUValueRow row;
    row.nLine = in.nLine;
    row.cells.reserve(sources.size());
    const std::size_t key = static_cast<std::size_t>(plan.nKeyColumn);
    const int keyLine = key < in.cells.size() ? in.lines[key] : in.nLine;
    if (key < in.cells.size())
        ToRecordText(in.cells[key], &row.key);
    for (int c = 0; c < table.GetColumnCount(); ++c) {
        const std::size_t at = sources[static_cast<std::size_t>(c)];
        const tagFUFieldInfo* field = RowOf(kind, table.GetColumn(c).nFieldKey);
        tagFUCell cell;
        if (at < in.cells.size() && field) {
            std::string text, why;
            if (!ToRecordText(in.cells[at], &text))
                why = "\"" + in.cells[at] + "\" holds a character that Windows-1252, the "
                      "records' code page, does not have";
            else
                FUParseCell(*field, text, &cell, &why);
            if (!why.empty()) {
                errors.Add(ValuesFileError(file.name, in.lines[at], static_cast<int>(at) + 1,
                                           Quoted(field->szName) + ": " + why));
            }
        }
        row.cells.push_back(std::move(cell));
    }
    if (FUTrimText(row.key).empty()) {
        errors.Add(ValuesFileError(file.name, keyLine, plan.nKeyColumn + 1, "the key is empty"));
        return;
    }
    int first = 0;
    const std::string given = in.cells[key];
    // A row with a bad cell still holds its key, so a later copy of it is told too.
    if (!table.AddRow(std::move(row), &first))
        errors.Add(ValuesFileError(file.name, keyLine, plan.nKeyColumn + 1,
                                   "the key \"" + given + "\" is on line " +
                                       std::to_string(first) + " already"));
}

} // namespace

tagValuesPlan PlanValuesByName(const tagValuesFile& file, const tagWizardKind& kind) {
    tagValuesPlan plan;
    for (const std::string& name : file.header.cells) {
        const tagFUFieldInfo* row =
            FUCatalogueFindName(*kind.fields, platform::Utf8ToCp1252(name));
        plan.fields.push_back(row ? row->nKey : -1);
    }
    return plan;
}

int FindValuesColumn(const tagValuesPlan& plan, int fieldKey) {
    for (std::size_t c = 0; c < plan.fields.size(); ++c)
        if (plan.fields[c] == fieldKey)
            return static_cast<int>(c);
    return -1;
}

std::vector<std::string> CheckValuesNames(const tagValuesFile& file, const tagWizardKind& kind) {
    std::vector<std::string> errors;
    CxErrors told(&errors);
    const tagValuesFileRow& header = file.header;
    for (std::size_t c = 0; c < header.cells.size(); ++c) {
        const std::string name = platform::Utf8ToCp1252(header.cells[c]);
        if (FUCatalogueFindName(*kind.fields, name))
            continue;
        const std::string nearest = FUNearestNames(*kind.fields, name);
        told.Add(ValuesFileError(file.name, header.lines[c], static_cast<int>(c) + 1,
                                 "\"" + header.cells[c] + "\" is no field of " + kind.name +
                                     (nearest.empty() ? "" : "; did you mean " + nearest + "?")));
    }
    told.Close();
    return errors;
}

bool BuildValuesTable(const tagValuesFile& file, const tagValuesPlan& plan,
                      const tagWizardKind& kind, std::shared_ptr<CxFUValueTable>* table,
                      std::vector<std::string>* errors) {
    errors->clear();
    CxErrors told(errors);
    CheckColumns(file, plan, kind, told);
    if (told.Any()) {
        told.Close();
        return false;
    }
    auto made = std::make_shared<CxFUValueTable>(
        plan.fields[static_cast<std::size_t>(plan.nKeyColumn)], platform::Utf8ToCp1252(file.name));
    // The table keeps the columns that set a field, in file order.
    std::vector<std::size_t> sources;
    for (std::size_t c = 0; c < plan.fields.size(); ++c)
        if (static_cast<int>(c) != plan.nKeyColumn && plan.fields[c] >= 0) {
            made->AddColumn(plan.fields[c], platform::Utf8ToCp1252(file.header.cells[c]));
            sources.push_back(c);
        }
    made->Reserve(file.rows.size());
    for (const tagValuesFileRow& row : file.rows)
        ReadRow(file, row, plan, sources, kind, *made, told);
    told.Close();
    if (told.Any())
        return false;
    *table = std::move(made);
    return true;
}

std::vector<tagFUFieldUpdate> MakeValuesDefinitions(const CxFUValueTable& table) {
    std::vector<tagFUFieldUpdate> definitions;
    for (int c = 0; c < table.GetColumnCount(); ++c) {
        tagFUFieldUpdate def;
        CxWizardController::InitDefinition(&def);
        def.nFieldKey = table.GetColumn(c).nFieldKey;
        def.nOperation = FU_OP_FROM_FILE;
        def.nPosition = c;
        CxStrCopy(def.szFind, table.GetColumn(c).name.c_str());
        CxStrCopy(def.szValue, table.GetFileName().c_str());
        definitions.push_back(def);
    }
    return definitions;
}
