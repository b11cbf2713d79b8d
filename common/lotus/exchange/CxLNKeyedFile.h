// Reading the small text files beside an exchange file: opened never through
// a symbolic link, read a line at a time with each line bounded, and every
// fault told with its line's number.
#pragma once
#include <cstddef>
#include <memory>
#include <string>

namespace platform {
class CxLineReader;
}

enum class LNKeyedRead { Missing, Damaged, Read };

class CxLNKeyedFile {
public:
    static constexpr std::size_t kMaxLine = 4096;

    // Opens `path`; reasons go to `why` (may be null).
    CxLNKeyedFile(const std::string& path, std::string* why);
    ~CxLNKeyedFile();
    CxLNKeyedFile(const CxLNKeyedFile&) = delete;
    CxLNKeyedFile& operator=(const CxLNKeyedFile&) = delete;

    // Read while the file is open; Missing when there is none, Damaged (with
    // the reason) when it cannot be opened.
    LNKeyedRead Opened() const { return m_opened; }
    // Read when `sound`, else Damaged: the outcome of reading an open file.
    LNKeyedRead Outcome(bool sound) const { return sound ? LNKeyedRead::Read : LNKeyedRead::Damaged; }

    // The next line; false, with the reason, at the end or for a line too long.
    bool Next(std::string* line);
    // The next line, which is to be `text`; `otherwise` says what it is if not.
    bool Expect(const std::string& text, const char* otherwise);
    // The value of the next line, which is to be "<key> <value>".
    bool Keyed(const char* key, std::string* value);
    // The same for a number of at most ten digits, not above `max`.
    bool KeyedNumber(const char* key, unsigned long long max, unsigned long long* value);
    // The next line is the last one, `text`.
    bool Last(const std::string& text);
    // "line N WHAT" as the reason; false.
    bool Wrong(const std::string& what);
    bool Fail(const std::string& why);

private:
    int m_fd = -1;
    LNKeyedRead m_opened = LNKeyedRead::Read;
    std::unique_ptr<platform::CxLineReader> m_pReader;
    std::string* m_pWhy;
};

// Digits only, at most ten of them, and no more than `max`.
bool LNReadNumber(const std::string& word, unsigned long long max, unsigned long long* value);
