// The texts by which definitions and field types are shown.
#include "Vxcommon.h"

#include <cstring>

#include "common/misc/CxDateTime.h"

namespace {

std::string SetValueText(const std::string& value) {
    return "Set value to \"" + value + "\"";
}

std::string DescribeString(const tagFUFieldUpdate& def) {
    switch (def.nOperation) {
    case FU_OP_SET:
        return SetValueText(FUDefinitionText(def.szValue));
    case FU_OP_APPEND:
        return "Append \"" + FUDefinitionText(def.szValue) + "\" to the field.";
    case FU_OP_INSERT:
        return "Insert \"" + FUDefinitionText(def.szValue) + "\" at position " +
               std::to_string(def.nPosition);
    case FU_OP_REPLACE:
        return "Replace \"" + FUDefinitionText(def.szFind) + "\" with \"" +
               FUDefinitionText(def.szValue) + "\"";
    case FU_OP_TEMPLATE:
        return "Set from fields \"" + FUDefinitionText(def.szValue) + "\"";
    default:
        return "<Unknown>";
    }
}

std::string EnumName(const tagFUFieldInfo& row, int32_t value) {
    int count = row.nEnumCount < FU_MAX_ENUM ? row.nEnumCount : FU_MAX_ENUM;
    for (int i = 0; i < count; ++i)
        if (row.nEnumValues[i] == value)
            return std::string(row.szEnumNames[i],
                               strnlen(row.szEnumNames[i], sizeof row.szEnumNames[i]));
    return "<Not Specified>";
}

} // namespace

std::string FUDateText(double value, bool withTime) {
    char text[32];
    CxDateTime date(value);
    if (withTime)
        date.FormatDateTime(text);
    else
        date.FormatDate(text);
    return text;
}

std::string FUDefinitionText(const char (&text)[256]) {
    return std::string(text, strnlen(text, sizeof text));
}

const char* FUEmptyTextMessage(int operation) {
    switch (operation) {
    case FU_OP_APPEND:
        return "The append string value can not be empty. Please enter some content.";
    case FU_OP_INSERT:
        return "The insert string value can not be empty. Please enter some content.";
    case FU_OP_REPLACE:
        return "The replace find value can not be empty. Please enter some content.";
    default:
        return nullptr;
    }
}

const char* GetFieldTypeName(int type) {
    static const char* const kNames[] = {"String",  "Date",    "Date & Time",
                                         "Boolean", "Integer", "Enumeration"};
    return type >= FU_TYPE_STRING && type <= FU_TYPE_ENUM ? kNames[type - 1] : "";
}

std::string DescribeUpdate(const tagFUFieldInfo* row, const tagFUFieldUpdate* def) {
    if (!row || !def)
        return "<Unknown>";
    // A values file gives each record its own value, of any field type.
    if (def->nOperation == FU_OP_FROM_FILE)
        return "Set from column \"" + FUDefinitionText(def->szFind) + "\" of \"" +
               FUDefinitionText(def->szValue) + "\"";
    switch (row->nType) {
    case FU_TYPE_STRING:
        return DescribeString(*def);
    case FU_TYPE_BOOLEAN:
        return SetValueText(def->bValue ? "True(Yes)" : "False(No)");
    case FU_TYPE_INTEGER:
        return SetValueText(std::to_string(def->nValue));
    case FU_TYPE_ENUM:
        return SetValueText(EnumName(*row, def->nValue));
    case FU_TYPE_DATE:
        return SetValueText(FUDateText(def->dtValue, false));
    case FU_TYPE_DATETIME:
        return SetValueText(FUDateText(def->dtValue, true));
    default:
        return "<Unknown>";
    }
}
