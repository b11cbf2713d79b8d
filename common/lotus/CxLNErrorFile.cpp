#include "CxLNErrorFile.h"

#include <climits>

#include "common/misc/CxString.h"

namespace {

const char* const kSection = "Error";
const char* const kCountKey = "Error.Count";

} // namespace

CxLNErrorFile::CxLNErrorFile(const char* folder, const char* name) : m_ini(folder, name) {
    // An empty folder stays empty instead of becoming the program's.
    char path[600];
    CxStrFormat(path, sizeof path, "%s%s", folder ? folder : "", name ? name : "");
    m_ini.SetFileName(path);
}

void CxLNErrorFile::Key(int number, char* key, std::size_t size) {
    CxStrFormat(key, size, "Error.%d", number);
}

int CxLNErrorFile::ReadCount() {
    return m_ini.GetInt(kSection, kCountKey, 0);
}

void CxLNErrorFile::ReadError(int number, char* buffer, std::size_t size) {
    char key[32];
    Key(number, key, sizeof key);
    m_ini.ReadString(kSection, key, buffer, static_cast<int>(size < INT_MAX ? size : INT_MAX), "");
}

void CxLNErrorFile::WriteCount(int count) {
    m_ini.WriteInt(kSection, kCountKey, count);
}

void CxLNErrorFile::WriteError(int number, const char* text) {
    char key[32];
    Key(number, key, sizeof key);
    m_ini.WriteString(kSection, key, text);
}
