#include "CxLNKeyedFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "platform/LineReader.h"
#include "platform/SafeOpen.h"

CxLNKeyedFile::CxLNKeyedFile(const std::string& path, std::string* why) : m_pWhy(why) {
    m_fd = platform::OpenNoFollow(path.c_str(), O_RDONLY);
    if (m_fd >= 0) {
        m_pReader.reset(new platform::CxLineReader(m_fd, kMaxLine));
        return;
    }
    m_opened = errno == ENOENT ? LNKeyedRead::Missing : LNKeyedRead::Damaged;
    if (m_opened == LNKeyedRead::Damaged)
        Fail(errno == ELOOP ? "it is a symbolic link" : "it can not be opened");
}

CxLNKeyedFile::~CxLNKeyedFile() {
    m_pReader.reset();
    if (m_fd >= 0)
        close(m_fd);
}

bool CxLNKeyedFile::Next(std::string* line) {
    bool cut = false;
    if (!m_pReader)
        return false;
    if (!m_pReader->Next(line, &cut))
        return Fail(m_pReader->Failed() ? "it can not be read" : "it ends too early");
    if (cut)
        return Wrong("is longer than " + std::to_string(kMaxLine) + " bytes");
    return true;
}

bool CxLNKeyedFile::Expect(const std::string& text, const char* otherwise) {
    std::string line;
    if (!Next(&line))
        return false;
    return line == text || Wrong(std::string("is not \"") + text + "\": " + otherwise);
}

bool CxLNKeyedFile::Keyed(const char* key, std::string* value) {
    std::string line;
    if (!Next(&line))
        return false;
    const std::string prefix = std::string(key) + " ";
    if (line.compare(0, prefix.size(), prefix) != 0)
        return Wrong(std::string("is not \"") + key + " ...\"");
    *value = line.substr(prefix.size());
    return true;
}

bool CxLNKeyedFile::KeyedNumber(const char* key, unsigned long long max, unsigned long long* value) {
    std::string text;
    if (!Keyed(key, &text))
        return false;
    return LNReadNumber(text, max, value) || Wrong("holds no number up to " + std::to_string(max));
}

bool CxLNKeyedFile::Last(const std::string& text) {
    if (!Expect(text, "the file ends too early"))
        return false;
    std::string line;
    bool cut = false;
    return !m_pReader->Next(&line, &cut) || Fail("it goes on after its \"" + text + "\" line");
}

bool CxLNKeyedFile::Wrong(const std::string& what) {
    return Fail("line " + std::to_string(m_pReader ? m_pReader->Number() : 0) + " " + what);
}

bool CxLNKeyedFile::Fail(const std::string& why) {
    if (m_pWhy)
        *m_pWhy = why;
    return false;
}

bool LNReadNumber(const std::string& word, unsigned long long max, unsigned long long* value) {
    if (word.empty() || word.size() > 10 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    *value = std::stoull(word);
    return *value <= max;
}
