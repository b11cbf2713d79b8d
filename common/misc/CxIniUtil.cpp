#include "CxIniUtil.h"

#include <cstdio>

#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"
#include "platform/ProfileFile.h"

CxIniUtil::CxIniUtil(const char* folder, const char* name) {
    m_szSection[0] = '\0';
    char base[CX_MAX_PATH];
    if (folder && *folder)
        CxStrCopy(base, folder);
    else
        GetModulePath(nullptr, base);
    CxStrFormat(m_szIniPath, sizeof m_szIniPath, "%s%s", base, name ? name : "");
}

CxIniUtil::~CxIniUtil() = default;

void CxIniUtil::SetFileName(const char* path) {
    if (path && *path)
        CxStrCopy(m_szIniPath, path);
}

void CxIniUtil::SetSection(const char* section) {
    CxStrCopy(m_szSection, section);
}

const char* CxIniUtil::Section_(const char* section) const {
    return section && *section ? section : m_szSection;
}

int CxIniUtil::ReadString(const char* section, const char* key, char* buffer, int size,
                          const char* def) {
    if (!key || !*key || !buffer || size <= 0)
        return 0;
    return static_cast<int>(platform::GetProfileString(m_szIniPath, Section_(section), key, def,
                                                       buffer, static_cast<std::size_t>(size)));
}

bool CxIniUtil::ReadInt(const char* section, const char* key, int* result, int def) {
    if (!result)
        return false;
    char text[32] = "";
    ReadString(section, key, text, sizeof text, "");
    *result = text[0] ? CxStrToInt(text) : def;
    return true;
}

int CxIniUtil::GetInt(const char* section, const char* key, int def) {
    int value = def;
    ReadInt(section, key, &value, def);
    return value;
}

bool CxIniUtil::GetBool(const char* section, const char* key, bool def) {
    return GetInt(section, key, def ? 1 : 0) != 0;
}

bool CxIniUtil::WriteString(const char* section, const char* key, const char* value) {
    if (!key || !*key)
        return false;
    return platform::WriteProfileString(m_szIniPath, Section_(section), key, value);
}

bool CxIniUtil::WriteInt(const char* section, const char* key, int n) {
    char text[16];
    CxStrFormat(text, sizeof text, "%d", n);
    return WriteString(section, key, text);
}

bool CxIniUtil::WriteBool(const char* section, const char* key, bool b) {
    return WriteString(section, key, b ? "1" : "0");
}
