#include "CxLNParamParser.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "common/lotus/exchange/CxLNPrivateFile.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "platform/Cp1252.h"

namespace {

bool IsKnownType(int32_t nType) {
    return nType == LN_PARAM_INT || nType == LN_PARAM_DOUBLE || nType == LN_PARAM_TEXT ||
           nType == LN_PARAM_BOOL;
}

} // namespace

CxLNParamParser::CxLNParamParser() : m_pItems(new CxList), m_szParamPath() {}

CxLNParamParser::~CxLNParamParser() {
    ClearParams();
    delete m_pItems;
}

bool CxLNParamParser::StoreValue_(tagLNParamItem* item, const void* value) {
    switch (item->nType) {
    case LN_PARAM_INT:
        std::memcpy(&item->nValue, value, sizeof item->nValue);
        return true;
    case LN_PARAM_DOUBLE:
        std::memcpy(&item->dValue, value, sizeof item->dValue);
        return true;
    case LN_PARAM_TEXT: {
        const char* text = static_cast<const char*>(value);
        item->wsValue =
            platform::Cp1252ToWide(std::string_view(text, strnlen(text, LN_PARAM_TEXT_MAX)));
        return true;
    }
    case LN_PARAM_BOOL:
        item->bValue = *static_cast<const uint8_t*>(value) ? 1 : 0;
        return true;
    default:
        return false;
    }
}

bool CxLNParamParser::SetParam(int32_t nID, const void* value, int32_t nType) {
    if (!value || !IsKnownType(nType))
        return false;
    tagLNParamItem* item = FindParam(nID);
    if (item)
        return item->nType == nType && StoreValue_(item, value);
    item = new (std::nothrow) tagLNParamItem();
    if (!item)
        return false;
    item->nID = nID;
    item->nType = nType;
    if (!StoreValue_(item, value) || !m_pItems->Add(item)) {
        delete item;
        return false;
    }
    return true;
}

bool CxLNParamParser::GetParam(int32_t nID, void* destination, std::size_t size,
                               int32_t* type) const {
    const tagLNParamItem* item = FindParam(nID);
    if (!item || !destination || !IsKnownType(item->nType))
        return false;
    switch (item->nType) {
    case LN_PARAM_INT:
        if (size < sizeof item->nValue)
            return false;
        std::memcpy(destination, &item->nValue, sizeof item->nValue);
        break;
    case LN_PARAM_DOUBLE:
        if (size < sizeof item->dValue)
            return false;
        std::memcpy(destination, &item->dValue, sizeof item->dValue);
        break;
    case LN_PARAM_TEXT: {
        if (size == 0)
            return false;
        const std::string text = platform::WideToCp1252(item->wsValue);
        CxStrCopyN(static_cast<char*>(destination), size, text.c_str(), text.size());
        break;
    }
    default:
        if (size < 1)
            return false;
        *static_cast<uint8_t*>(destination) = item->bValue;
        break;
    }
    if (type)
        *type = item->nType;
    return true;
}

tagLNParamItem* CxLNParamParser::FindParam(int32_t nID) const {
    for (void* p = m_pItems->GetFirst(); p; p = m_pItems->GetNext()) {
        tagLNParamItem* item = static_cast<tagLNParamItem*>(p);
        if (item->nID == nID)
            return item;
    }
    return nullptr;
}

void CxLNParamParser::ClearParams() {
    for (void* p = m_pItems->GetFirst(); p; p = m_pItems->GetNext())
        delete static_cast<tagLNParamItem*>(p);
    m_pItems->RemoveAll(false);
}

uint32_t CxLNParamParser::GetCount() const {
    return m_pItems->GetCount();
}

bool CxLNParamParser::WriteItem_(CxFile* file, const tagLNParamItem* item) const {
    file->WriteInt(item->nID);
    file->WriteInt(item->nType);
    switch (item->nType) {
    case LN_PARAM_INT:
        return file->WriteInt(item->nValue);
    case LN_PARAM_DOUBLE:
        return file->WriteDouble(item->dValue);
    case LN_PARAM_TEXT:
        return file->WriteString(platform::WideToCp1252(item->wsValue).c_str());
    case LN_PARAM_BOOL:
        return file->WriteBool(item->bValue != 0);
    default:
        return true;
    }
}

bool CxLNParamParser::TakePath_(const char* path) {
    if (!path || !*path)
        return true;
    // A cut path would name another file.
    if (std::strlen(path) >= sizeof m_szParamPath)
        return false;
    CxStrCopy(m_szParamPath, path);
    return true;
}

bool CxLNParamParser::SaveToFile(const char* path) {
    if (!TakePath_(path))
        return false;
    // The file carries the Notes password: its owner alone may read it.
    CxFile file;
    if (!LNCreatePrivateFile(m_szParamPath) || !file.Open(m_szParamPath, "wb"))
        return false;
    file.WriteInt(static_cast<int32_t>(m_pItems->GetCount()));
    for (void* p = m_pItems->GetFirst(); p; p = m_pItems->GetNext())
        WriteItem_(&file, static_cast<const tagLNParamItem*>(p));
    const bool written = !file.AtEnd();
    return file.Close() && written;
}

// One item in file order; false when the file ended inside it.
bool CxLNParamParser::ReadItem_(CxFile* file) {
    int32_t nID = 0;
    int32_t nType = 0;
    file->ReadInt(&nID);
    file->ReadInt(&nType);
    int32_t nValue = 0;
    double dValue = 0.0;
    uint8_t bValue = 0;
    char text[LN_PARAM_TEXT_MAX + 1] = "";
    const void* value = nullptr;
    switch (nType) {
    case LN_PARAM_INT:
        file->ReadInt(&nValue);
        value = &nValue;
        break;
    case LN_PARAM_DOUBLE:
        file->ReadDouble(&dValue);
        value = &dValue;
        break;
    case LN_PARAM_TEXT:
        file->ReadString(text, sizeof text);
        value = text;
        break;
    case LN_PARAM_BOOL:
        file->ReadBool(&nValue);
        bValue = nValue != 0;
        value = &bValue;
        break;
    default:
        break; // no value bytes: skipped
    }
    if (file->AtEnd())
        return false;
    if (value)
        SetParam(nID, value, nType); // a type clash with an earlier item drops this one
    return true;
}

bool CxLNParamParser::LoadFromFile(const char* path) {
    if (!TakePath_(path))
        return false;
    CxFile file;
    if (!file.Open(m_szParamPath, "rb"))
        return false;
    ClearParams();
    int32_t count = 0;
    file.ReadInt(&count);
    // An item takes its number and its type at least: a count the file cannot
    // hold fails at once, and reading stops where the file ends.
    const int64_t size = file.Size();
    if (count > (size < 4 ? 0 : (size - 4) / 8)) {
        CX_LOG_ERROR("Parameter file %s is damaged: it cannot hold %d items.", m_szParamPath,
                     count);
        return false;
    }
    bool complete = true;
    for (int32_t i = 0; i < count && complete; ++i)
        complete = ReadItem_(&file);
    if (!complete)
        CX_LOG_ERROR("Parameter file %s is damaged: it ends before its %d items.", m_szParamPath,
                     count);
    file.Close();
    return complete;
}

bool SetTextParam(CxLNParamParser* parser, int32_t nID, const char* text) {
    return parser->SetParam(nID, text ? text : "", LN_PARAM_TEXT);
}

bool SetNumberParam(CxLNParamParser* parser, int32_t nID, int value) {
    char text[16];
    CxStrFormat(text, sizeof text, "%d", value);
    return SetTextParam(parser, nID, text);
}

bool GetTextParam(const CxLNParamParser* parser, int32_t nID, char* buffer, std::size_t size) {
    const tagLNParamItem* item = parser->FindParam(nID);
    if (!item || item->nType != LN_PARAM_TEXT)
        return false;
    return parser->GetParam(nID, buffer, size, nullptr);
}

int GetNumberParam(const CxLNParamParser* parser, int32_t nID) {
    char text[LN_PARAM_TEXT_MAX + 1] = "";
    GetTextParam(parser, nID, text, sizeof text);
    return CxStrToInt(text);
}
