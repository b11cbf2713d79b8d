#include "CxLNJournalReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/lotus/exchange/CxLNJournalList.h"
#include "platform/LineReader.h"
#include "platform/SafeOpen.h"

int LNOpenJournalFolder(const std::string& dataFolder, bool create) {
    const std::string folder = LNJournalFolder(dataFolder);
    if (create && mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        return -1;
    return platform::OpenFolderNoFollow(folder.c_str());
}

CxLNJournalReader::CxLNJournalReader(const std::string& dataFolder, const std::string& run) {
    // A run's name is a file name of the folder and nothing else.
    if (run.empty() || run[0] == '.' || run.find('/') != std::string::npos)
        return;
    const int folder = LNOpenJournalFolder(dataFolder, false);
    if (folder < 0)
        return;
    m_fd = platform::OpenNoFollowAt(folder, (run + ".jsonl").c_str(), O_RDONLY);
    close(folder);
    if (m_fd >= 0)
        m_pReader.reset(new platform::CxLineReader(m_fd, kMaxLine));
}

CxLNJournalReader::~CxLNJournalReader() {
    m_pReader.reset();
    if (m_fd >= 0)
        close(m_fd);
}

bool CxLNJournalReader::Next(nlohmann::json* line) {
    std::string text;
    bool cut = false;
    if (!m_pReader || !m_sWhy.empty() || !m_pReader->Next(&text, &cut)) {
        if (m_pReader && m_pReader->Failed() && m_sWhy.empty())
            m_sWhy = "it can not be read";
        return false;
    }
    if (cut) {
        m_sWhy = "line " + std::to_string(Number()) + " is longer than " +
                 std::to_string(kMaxLine) + " bytes";
        return false;
    }
    *line = nlohmann::json::parse(text, nullptr, false);
    return true;
}

long CxLNJournalReader::Number() const {
    return m_pReader ? m_pReader->Number() : 0;
}
