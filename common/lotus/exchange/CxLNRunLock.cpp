#include "CxLNRunLock.h"

#include <ctime>
#include <vector>

#include "common/lotus/exchange/CxLNDataReader.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/misc/CxDebugUtil.h"
#include "platform/ModulePath.h"
#include "platform/SystemError.h"

const char* const CxLNRunLock::kFileName = "LNRun.lock";

namespace {

const int kKinds[] = {1, 2, 4, 8};

// Local time for the user; UTC as the journal's "time" has it.
std::string TimeText(long long seconds, bool utc) {
    const time_t when = static_cast<time_t>(seconds);
    std::tm parts{};
    utc ? gmtime_r(&when, &parts) : localtime_r(&when, &parts);
    char text[32] = "";
    std::strftime(text, sizeof text, utc ? "%Y-%m-%dT%H:%M:%SZ" : "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

std::string LocalTime(long long seconds) {
    return TimeText(seconds, false);
}

std::string ProgramName() {
    char path[4096] = "";
    if (!platform::GetProgramFileName(path, sizeof path))
        return "a program";
    const std::string name = path;
    return name.substr(name.rfind('/') + 1);
}

// "vxln-batch (process 1234) since ...", or the helpers of one that ended.
std::string Holder(const platform::tagLockHolder& h) {
    if (h.nPid <= 0)
        return "another program";
    const std::string process = "process " + std::to_string(h.nPid);
    std::string text = platform::ProcessRuns(h.nPid)
                           ? h.sProgram + " (" + process + ")"
                           : "the helper programs of " + h.sProgram + " (" + process +
                                 ", which has ended)";
    text += " since " + LocalTime(h.nSince);
    if (!h.sDoing.empty())
        text += ", in its " + h.sDoing + " since " + LocalTime(h.nDoingSince);
    return text;
}

// The runs journaled since `seconds` that did not end as done, as sentences.
std::string JournaledSince(const std::string& folder, long long seconds) {
    const std::string since = TimeText(seconds, true);
    std::string text;
    for (const tagLNJournalRun& run : LNListJournalRuns(folder)) {
        if (run.sTime < since)
            break; // newest first
        if (run.sEnd == "done")
            continue;
        text += " Its journal " + run.sRun + " shows " + std::to_string(run.nDocuments) +
                " documents changed (" + std::to_string(run.nItems) + " items); \"vxln-batch undo " +
                run.sRun + "\" puts them back.";
    }
    return text.empty() ? " It had changed no document." : text;
}

} // namespace

bool CxLNRunLock::Take(const char* folder, bool wait,
                       const std::function<void(const std::string&)>& waiting, std::string* why) {
    Release();
    m_sFolder = folder ? folder : "";
    m_sPreviousRun.clear();
    m_bHeldByAnother = false;
    if (m_sFolder.empty() || m_sFolder[0] != '/') {
        *why = "There is no data folder to hold for this run.";
        return false;
    }
    const std::string path = m_sFolder + kFileName;
    const auto told = [&](const platform::tagLockHolder& holder) {
        if (waiting)
            waiting("Waiting for the data folder " + m_sFolder + ": it is in use by " +
                    Holder(holder) + ".");
    };
    platform::tagLockHolder holder;
    int error = 0;
    switch (m_lock.Take(path, ProgramName(), wait, told, &holder, &error)) {
    case platform::CxFolderLock::Result::Taken:
        break;
    case platform::CxFolderLock::Result::Held:
        m_bHeldByAnother = true;
        *why = "The data folder " + m_sFolder + " is in use by " + Holder(holder) + ".";
        return false;
    case platform::CxFolderLock::Result::Failed:
        *why = "Can not take the data folder " + m_sFolder + " for this run (" + path + ": " +
               platform::SystemErrorText(error) + ").";
        return false;
    }
    for (int kind : kKinds)
        if (CxLNDataReader* reader = GetLNDataReader(kind))
            reader->ShareWithHelpers(m_lock.Descriptor());
    const platform::tagLockHolder& previous = m_lock.Previous();
    if (!previous.sDoing.empty()) {
        m_sPreviousRun = "A run of " + previous.sProgram + " (process " +
                         std::to_string(previous.nPid) + ") ended during its " + previous.sDoing +
                         " of " + LocalTime(previous.nDoingSince) + " without finishing it." +
                         JournaledSince(m_sFolder, previous.nDoingSince);
        CX_LOG_ERROR("%s", m_sPreviousRun.c_str());
    }
    return true;
}

void CxLNRunLock::Begin_(const char* work) {
    m_lock.SetDoing(work);
}

void CxLNRunLock::Release() {
    if (!m_lock.IsHeld())
        return;
    for (int kind : kKinds)
        if (CxLNDataReader* reader = GetLNDataReader(kind))
            reader->ShareWithHelpers(-1);
    m_lock.Release();
}

std::string LNDataFolderHolder(const std::string& folder) {
    platform::tagLockHolder holder;
    if (!platform::FolderLockHeld(folder + CxLNRunLock::kFileName, &holder))
        return std::string();
    return Holder(holder);
}
