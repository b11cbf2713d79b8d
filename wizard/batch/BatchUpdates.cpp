#include "BatchUpdates.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "common/misc/CxString.h"
#include "platform/Cp1252.h"
#include "wizard/batch/BatchKinds.h"
#include "wizard/batch/BatchText.h"
#include "wizard/controller/WizardController.h"
#include "wizard/update/VxTemplate.h"
#include "wizard/update/VxValueText.h"

namespace {

bool Fail(std::string* error, const std::string& text) {
    if (error)
        *error = text;
    return false;
}

// Splits at the first `sep`; false when there is none.
bool SplitAt(const std::string& text, char sep, std::string* left, std::string* right) {
    const std::size_t at = text.find(sep);
    if (at == std::string::npos)
        return false;
    *left = text.substr(0, at);
    *right = text.substr(at + 1);
    return true;
}

const int kMaxTypeOps = 5;

// The operation words that fit each field type.
struct tagTypeOps {
    int nType;
    const char* ops[kMaxTypeOps]; // ends early with null
};

const tagTypeOps kTypeOps[] = {
    {FU_TYPE_STRING, {"set", "append", "insert", "replace", "set-from"}},
    {FU_TYPE_DATE, {"date"}},
    {FU_TYPE_DATETIME, {"datetime"}},
    {FU_TYPE_BOOLEAN, {"true", "false"}},
    {FU_TYPE_INTEGER, {"set"}},
    {FU_TYPE_ENUM, {"choice"}},
};

const tagTypeOps* OpsOf(int type) {
    for (const tagTypeOps& entry : kTypeOps)
        if (entry.nType == type)
            return &entry;
    return nullptr;
}

// "set, append, insert or replace"; "none" for a type that takes none.
std::string OpsForType(int type) {
    const tagTypeOps* entry = OpsOf(type);
    std::string text;
    for (int i = 0; entry && i < kMaxTypeOps && entry->ops[i]; ++i) {
        const bool last = i + 1 == kMaxTypeOps || !entry->ops[i + 1];
        text += i == 0 ? "" : (last ? " or " : ", ");
        text += entry->ops[i];
    }
    return text.empty() ? "none" : text;
}

bool OpFitsType(const std::string& op, const tagTypeOps& entry) {
    for (int i = 0; i < kMaxTypeOps && entry.ops[i]; ++i)
        if (op == entry.ops[i])
            return true;
    return false;
}

bool OpFitsType(const std::string& op, int type) {
    const tagTypeOps* entry = OpsOf(type);
    return entry && OpFitsType(op, *entry);
}

// The field part and the rest of a spec's text; true/false name only the field.
bool SplitField(const std::string& op, const std::string& text, std::string* field,
                std::string* rest) {
    if (op == "true" || op == "false") {
        *field = text;
        rest->clear();
        return true;
    }
    const char sep = op == "insert" ? '@' : (op == "replace" ? ':' : '=');
    return SplitAt(text, sep, field, rest);
}

const char* FormHint(const std::string& op) {
    if (op == "insert")
        return "FIELD@POSITION=TEXT";
    if (op == "replace")
        return "FIELD:FIND=REPLACEMENT";
    if (op == "true" || op == "false")
        return "FIELD";
    return "FIELD=VALUE";
}

// A template names fields of the kind only, and fits a definition whole.
bool SetTemplate(const tagBatchKind& kind, const std::string& rest, tagFUFieldUpdate* def,
                 std::string* error) {
    std::vector<tagFUTemplatePart> parts;
    if (kind.fields && !FUParseTemplate(rest, *kind.fields, &parts, error)) {
        if (error)
            *error += " See --list-fields " + std::string(kind.name) + ".";
        return false;
    }
    if (rest.size() >= sizeof def->szValue)
        return Fail(error, "The template is longer than " +
                               std::to_string(sizeof def->szValue - 1) + " characters.");
    def->nOperation = FU_OP_TEMPLATE;
    CxStrCopy(def->szValue, rest.c_str());
    return true;
}

bool SetString(const std::string& op, const std::string& rest, tagFUFieldUpdate* def,
               std::string* error) {
    if (op == "set") {
        def->nOperation = FU_OP_SET;
        CxStrCopy(def->szValue, rest.c_str());
        return true;
    }
    if (op == "append") {
        if (rest.empty())
            return Fail(error, FUEmptyTextMessage(FU_OP_APPEND));
        def->nOperation = FU_OP_APPEND;
        CxStrCopy(def->szValue, rest.c_str());
        return true;
    }
    std::string left, right;
    if (op == "insert") {
        if (!SplitAt(rest, '=', &left, &right))
            return Fail(error, "Write the insert as FIELD@POSITION=TEXT.");
        int32_t position = 0;
        if (!FUParseNumber(left, &position) || position < 0)
            return Fail(error, "The insert position must be a whole number, 0 or more.");
        if (right.empty())
            return Fail(error, FUEmptyTextMessage(FU_OP_INSERT));
        def->nOperation = FU_OP_INSERT;
        def->nPosition = position;
        CxStrCopy(def->szValue, right.c_str());
        return true;
    }
    // replace: FIND=REPLACEMENT, the replacement may be empty
    if (!SplitAt(rest, '=', &left, &right))
        return Fail(error, "Write the replace as FIELD:FIND=REPLACEMENT.");
    if (left.empty())
        return Fail(error, FUEmptyTextMessage(FU_OP_REPLACE));
    def->nOperation = FU_OP_REPLACE;
    CxStrCopy(def->szFind, left.c_str());
    CxStrCopy(def->szValue, right.c_str());
    return true;
}

bool SetChoice(const tagFUFieldInfo& row, const std::string& rest, tagFUFieldUpdate* def,
               std::string* error) {
    return FUParseChoice(row, rest, &def->nValue, error);
}

bool SetValue(const tagBatchKind& kind, const tagFUFieldInfo& row, const std::string& op,
              const std::string& rest, tagFUFieldUpdate* def, std::string* error) {
    switch (row.nType) {
    case FU_TYPE_STRING:
        if (op == "set-from")
            return SetTemplate(kind, rest, def, error);
        return SetString(op, rest, def, error);
    case FU_TYPE_DATE:
    case FU_TYPE_DATETIME: {
        const bool withTime = row.nType == FU_TYPE_DATETIME;
        if (!FUParseDate(BatchTrim(rest), withTime, &def->dtValue))
            return Fail(error, FUDateForm(withTime));
        def->nDateSet = 1;
        return true;
    }
    case FU_TYPE_BOOLEAN:
        def->bValue = op == "true" ? 1 : 0;
        return true;
    case FU_TYPE_INTEGER:
        if (!FUParseNumber(rest, &def->nValue))
            return Fail(error, "Write the value as a whole number.");
        return true;
    case FU_TYPE_ENUM:
        return SetChoice(row, rest, def, error);
    default:
        return Fail(error, "The field cannot be updated.");
    }
}

} // namespace

bool IsBatchUpdateOp(const std::string& op) {
    for (const tagTypeOps& entry : kTypeOps)
        if (OpFitsType(op, entry))
            return true;
    return false;
}

bool ParseBatchUpdate(const tagBatchKind& kind, const tagBatchUpdateSpec& spec,
                      tagFUFieldUpdate* def, std::string* error) {
    if (!def)
        return false;
    CxWizardController::InitDefinition(def);
    if (!IsBatchUpdateOp(spec.op))
        return Fail(error, "Unknown update \"" + spec.op + "\".");
    const std::string text = platform::Utf8ToCp1252(spec.text);
    std::string field, rest;
    if (!SplitField(spec.op, text, &field, &rest))
        return Fail(error, std::string("Write the update as ") + FormHint(spec.op) + ".");
    const tagFUFieldInfo* row = FindBatchField(kind, field);
    if (!row)
        return Fail(error, "Unknown field \"" + platform::Cp1252ToUtf8(BatchTrim(field)) +
                               "\" for " + kind.name + "; see --list-fields " + kind.name + ".");
    if (!OpFitsType(spec.op, row->nType))
        return Fail(error, "\"" + spec.op + "\" does not fit the " + GetFieldTypeName(row->nType) +
                               " field \"" + platform::Cp1252ToUtf8(row->szName) + "\"; use " +
                               OpsForType(row->nType) + ".");
    tagFUFieldUpdate work;
    CxWizardController::InitDefinition(&work);
    work.nFieldKey = row->nKey;
    // Only a definition that passed every check reaches the caller.
    if (!SetValue(kind, *row, spec.op, rest, &work, error))
        return false;
    *def = work;
    return true;
}

bool ParseBatchUpdatesText(const std::string& text, const std::string& name,
                           std::vector<tagBatchUpdateSpec>* specs, std::string* error) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string trimmed = BatchTrim(line);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        const std::string origin = name + ":" + std::to_string(number);
        const std::size_t start = line.find_first_not_of(" \t");
        const std::size_t blank = line.find_first_of(" \t", start);
        const std::string op =
            line.substr(start, blank == std::string::npos ? blank : blank - start);
        if (!IsBatchUpdateOp(op))
            return Fail(error, origin + ": unknown update \"" + op + "\".");
        const std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
        specs->push_back({op, rest, origin});
    }
    return true;
}

bool ReadBatchUpdatesFile(const std::string& path, std::vector<tagBatchUpdateSpec>* specs,
                          std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Fail(error, "Cannot read the updates file \"" + path + "\".");
    // Read no further than a file of updates can sensibly be.
    std::string bytes(kMaxUpdatesFile + 1, '\0');
    in.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxUpdatesFile)
        return Fail(error, "The updates file \"" + path + "\" is larger than " +
                               std::to_string(kMaxUpdatesFile >> 20) + " MiB.");
    return ParseBatchUpdatesText(bytes, path, specs, error);
}

bool ParseBatchDate(const std::string& text, bool withTime, double* value) {
    return FUParseDate(text, withTime, value);
}
