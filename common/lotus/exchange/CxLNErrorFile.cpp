#include "CxLNErrorFile.h"

#include <climits>
#include <cstring>

#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"

namespace {

const char* const kSection = "Error";
const char* const kCountKey = "Error.Count";
const char* const kNoticeKey = "Notice";

} // namespace

CxLNErrorFile::CxLNErrorFile(const char* folder, const char* name)
    : m_ini(folder, name), m_bUsable(false) {
    // An empty folder stays empty instead of becoming the program's.
    char path[600];
    CxStrFormat(path, sizeof path, "%s%s", folder ? folder : "", name ? name : "");
    m_bUsable = *path && std::strlen(path) < CX_MAX_PATH;
    if (m_bUsable)
        m_ini.SetFileName(path);
}

void CxLNErrorFile::Key_(int number, char* key, std::size_t size) {
    CxStrFormat(key, size, "Error.%d", number);
}

int CxLNErrorFile::ReadCount() {
    return m_bUsable ? m_ini.GetInt(kSection, kCountKey, 0) : 0;
}

bool CxLNErrorFile::HasCount() {
    char count[32] = "";
    Read_(kCountKey, count, sizeof count);
    return count[0] != '\0';
}

void CxLNErrorFile::Read_(const char* key, char* buffer, std::size_t size) {
    if (buffer && size)
        buffer[0] = '\0';
    if (m_bUsable)
        m_ini.ReadString(kSection, key, buffer, static_cast<int>(size < INT_MAX ? size : INT_MAX),
                         "");
}

void CxLNErrorFile::ReadError(int number, char* buffer, std::size_t size) {
    char key[32];
    Key_(number, key, sizeof key);
    Read_(key, buffer, size);
}

void CxLNErrorFile::ReadNotice(char* buffer, std::size_t size) {
    Read_(kNoticeKey, buffer, size);
}

bool CxLNErrorFile::WriteNotice(const char* text) {
    return m_bUsable && m_ini.WriteString(kSection, kNoticeKey, text);
}

bool CxLNErrorFile::WriteCount(int count) {
    return m_bUsable && m_ini.WriteInt(kSection, kCountKey, count);
}

bool CxLNErrorFile::WriteError(int number, const char* text) {
    if (!m_bUsable)
        return false;
    char key[32];
    Key_(number, key, sizeof key);
    return m_ini.WriteString(kSection, key, text);
}
