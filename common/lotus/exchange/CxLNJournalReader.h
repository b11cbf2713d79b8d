// A run's journal read back: the file opened inside the journal folder, never
// through a symbolic link (neither the folder's nor the file's), and read a
// line at a time with each line bounded.
#pragma once
#include <cstddef>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace platform {
class CxLineReader;
}

// The journal folder of `dataFolder` (with its '/'), made private when
// `create` and missing; its descriptor, or -1 (errno set) when it is missing,
// a symbolic link or no folder.
int LNOpenJournalFolder(const std::string& dataFolder, bool create);

class CxLNJournalReader {
public:
    // No journal line, an entry with every old and new value of a
    // document's items, is longer.
    static constexpr std::size_t kMaxLine = 16u << 20;

    CxLNJournalReader(const std::string& dataFolder, const std::string& run);
    ~CxLNJournalReader();
    CxLNJournalReader(const CxLNJournalReader&) = delete;
    CxLNJournalReader& operator=(const CxLNJournalReader&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    // The next line, parsed (discarded, see is_discarded(), when it is no
    // JSON); false at the end of the file and for a line too long (Why()).
    bool Next(nlohmann::json* line);
    // The number of the line Next gave last, counting from 1.
    long Number() const;
    // Why reading ended before the end of the file; empty when it did not.
    const std::string& Why() const { return m_sWhy; }

private:
    int m_fd = -1;
    std::unique_ptr<platform::CxLineReader> m_pReader;
    std::string m_sWhy;
};
