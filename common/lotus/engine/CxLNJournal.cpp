#include "CxLNJournal.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <unistd.h>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNLmbcs.h"
#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/engine/CxLNJournalValue.h"
#include "common/lotus/engine/CxLNSafeRun.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNJournalReader.h"
#include "common/misc/CxDebugUtil.h"
#include "platform/Cp1252.h"
#include "platform/DurableWrite.h"
#include "platform/SafeOpen.h"
#include "platform/SystemError.h"

namespace {

// Milliseconds in the name keep runs of one second in their order.
std::string UtcTime(const char* format, bool milliseconds) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm utc{};
    gmtime_r(&now.tv_sec, &utc);
    char text[48] = "";
    std::strftime(text, sizeof text, format, &utc);
    if (milliseconds) {
        char fraction[24];
        std::snprintf(fraction, sizeof fraction, "%03ld", now.tv_nsec / 1000000);
        return std::string(text) + fraction;
    }
    return text;
}

std::string NotesUser() {
    char user[MAXUSERNAME + 1] = "";
    if (LNStoredApi().SECKFMGetUserName && LNStoredApi().SECKFMGetUserName(user) != NOERROR)
        user[0] = '\0';
    user[MAXUSERNAME] = '\0';
    return LNLmbcsToUtf8(user);
}

nlohmann::json Items(const LNRawItems& before, const LNRawItems& after) {
    nlohmann::json items = nlohmann::json::array();
    for (const tagLNItemChange& change : LNItemChanges(before, after)) {
        const tagLNRawItem& named = change.pNew ? *change.pNew : *change.pOld;
        nlohmann::json item = {{"name", LNLmbcsToUtf8(named.sName)}};
        item["old"] = change.pOld ? LNJournalValue(*change.pOld) : nlohmann::json();
        item["new"] = change.pNew ? LNJournalValue(*change.pNew) : nlohmann::json();
        // An undo puts the old item back under its own spelling.
        if (change.pOld && change.pNew && change.pOld->sName != change.pNew->sName)
            item["old"]["name"] = LNLmbcsToUtf8(change.pOld->sName);
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace

CxLNJournal::~CxLNJournal() {
    Close();
}

void CxLNJournal::Prepare(const std::string& dataFolder, const tagLNRunTarget& target,
                          const std::string& undoOf) {
    Close();
    m_bPrepared = true;
    m_sDataFolder = dataFolder;
    m_sKind = target.sKind;
    m_sDatabase = target.sDatabase;
    m_sUndoOf = undoOf;
    m_sRun.clear();
    m_nEntries = 0;
    m_bBroken = false;
}

void CxLNJournal::Finish(const std::string& stopped) {
    if (m_nFd < 0 || m_bBroken)
        return;
    nlohmann::json line = {{"end", stopped.empty() ? "done" : "stopped"}};
    if (!stopped.empty())
        line["why"] = stopped;
    if (!WriteLine_(line.dump()))
        CX_LOG_ERROR("Can not write to the journal of this run: %s",
                     platform::SystemErrorText(errno).c_str());
}

void CxLNJournal::Close() {
    if (m_nFd >= 0) {
        // The last outcome lines were written without a sync of their own.
        if (m_bUnsynced && fdatasync(m_nFd) != 0)
            CX_LOG_ERROR("Can not write to the journal of this run: %s",
                         platform::SystemErrorText(errno).c_str());
        close(m_nFd);
    }
    m_nFd = -1;
    m_bUnsynced = false;
    m_bPrepared = false;
}

bool CxLNJournal::Sync() {
    if (m_bBroken) {
        errno = m_nError;
        return false;
    }
    if (m_nFd < 0 || !m_bUnsynced)
        return true;
    if (fdatasync(m_nFd) != 0) {
        m_nError = errno;
        m_bBroken = true;
        return false;
    }
    m_bUnsynced = false;
    return true;
}

bool CxLNJournal::Open_() {
    // Neither the folder nor the file is ever reached through a symbolic link.
    const int folder = LNOpenJournalFolder(m_sDataFolder, true);
    if (folder < 0)
        return false;
    m_sRun = UtcTime("%Y%m%d-%H%M%S-", true) + "-" + m_sKind + "-" + std::to_string(getpid());
    m_nFd = platform::OpenNoFollowAt(folder, (m_sRun + ".jsonl").c_str(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_APPEND);
    if (m_nFd < 0) {
        close(folder);
        return false;
    }
    nlohmann::json head = {{"journal", 1},
                           {"run", m_sRun},
                           {"time", UtcTime("%Y-%m-%dT%H:%M:%SZ", false)},
                           {"user", NotesUser()},
                           {"database", platform::Cp1252ToUtf8(m_sDatabase)},
                           {"kind", m_sKind}};
    if (!m_sUndoOf.empty())
        head["undo_of"] = m_sUndoOf;
    m_bBroken = !WriteLine_(head.dump());
    // The new file's name must outlive a crash as well as its lines.
    fsync(folder);
    close(folder);
    return !m_bBroken;
}

bool CxLNJournal::WriteLine_(const std::string& line) {
    if (!platform::WriteAll(m_nFd, line + "\n")) {
        m_nError = errno;
        return false;
    }
    m_bUnsynced = true;
    return true;
}

long CxLNJournal::Ahead(const char* action, NOTEID id, const LNRawItems& before,
                        const LNRawItems& after) {
    if (!m_bPrepared)
        return 0;
    nlohmann::json items = Items(before, after);
    if (items.empty())
        return 0;
    if (m_bBroken || (m_nFd < 0 && !Open_()))
        return -1;
    const long entry = m_nEntries + 1;
    nlohmann::json line = {{"entry", entry}, {"action", action}, {"items", std::move(items)}};
    line["doc"] = id ? nlohmann::json(id) : nlohmann::json();
    if (!WriteLine_(line.dump())) {
        m_bBroken = true;
        return -1;
    }
    m_nEntries = entry;
    return entry;
}

bool CxLNJournal::Done(long entry, NOTEID id, bool committed) {
    if (entry <= 0 || m_nFd < 0)
        return true;
    const nlohmann::json line = {{"entry", entry}, {"doc", id}, {"committed", committed}};
    m_bBroken = m_bBroken || !WriteLine_(line.dump());
    return !m_bBroken;
}

CxLNJournal& LNJournal() {
    static CxLNJournal journal;
    return journal;
}

LNRawItems LNJournalItems(NOTEHANDLE note) {
    return LNJournal().IsPrepared() ? LNReadNoteItems(note) : LNRawItems();
}

long LNJournalAhead(CxLNBaseUtil* owner, const char* action, NOTEID id, const LNRawItems& before,
                    const LNRawItems& after) {
    const long entry = LNJournal().Ahead(action, id, before, after);
    if (entry < 0)
        LNReportJournalFailure(owner, id);
    return entry;
}

void LNReportJournalFailure(CxLNBaseUtil* owner, NOTEID id) {
    const std::string text = "Can not write the journal of this run (" +
                             platform::SystemErrorText(errno) + "); document " +
                             std::to_string(id) + " was left unchanged.";
    if (owner)
        LNReportFailure(owner, text.c_str());
    else
        CX_LOG_ERROR("%s", text.c_str());
}

void LNJournalDone(long entry, NOTEID id, bool committed) {
    if (!LNJournal().Done(entry, id, committed))
        CX_LOG_ERROR("Can not write to the journal of this run: %s",
                     platform::SystemErrorText(errno).c_str());
}
