// The journal of a write-back: one file per run in the "journal" folder of the
// data folder, in JSON Lines. A header line says when, who, which database
// and kind; each document gets an entry with every item it changes (old and
// new value), on the disk (Sync) before the change is stored, and then a
// line saying whether the change committed. A helper ended at any moment thus
// leaves a journal that tells which documents changed.
#pragma once
#include <cerrno>
#include <string>

#include "common/lotus/engine/CxLNNoteItems.h"

class CxLNBaseUtil;
struct tagLNRunTarget;

class CxLNJournal {
public:
    ~CxLNJournal();

    // A write-back of `target` begins; the file is made at its first entry.
    // `undoOf` names the run this one undoes, if any.
    void Prepare(const std::string& dataFolder, const tagLNRunTarget& target,
                 const std::string& undoOf = std::string());
    // The last line of a journal that has any: {"end": "done"}, or "stopped"
    // with `stopped` as its reason. A journal without it belongs to a run
    // that ended without finishing (or is still running).
    void Finish(const std::string& stopped);
    void Close();
    bool IsPrepared() const { return m_bPrepared; }
    // The run's name (the file's without ".jsonl"); empty before the first entry.
    const std::string& RunName() const { return m_sRun; }

    // The entry of document `id` (0: not stored yet); 0 when there is nothing
    // to note, -1 (errno set) when it could not be written.
    long Ahead(const char* action, NOTEID id, const LNRawItems& before, const LNRawItems& after);
    bool Done(long entry, NOTEID id, bool committed);
    // Puts every line written so far on the disk; false (errno set) when the
    // journal can not be trusted, and then nothing it notes may be stored.
    bool Sync();

private:
    bool Open_();
    bool WriteLine_(const std::string& line);

    bool m_bPrepared = false;
    bool m_bBroken = false; // a line failed: nothing after it can be trusted
    bool m_bUnsynced = false;
    int m_nError = EIO; // why it broke
    std::string m_sDataFolder, m_sKind, m_sDatabase, m_sUndoOf, m_sRun;
    int m_nFd = -1;
    long m_nEntries = 0;
};

CxLNJournal& LNJournal();

// What a write-back step asks of the run's journal. The items of a note,
// when a journal is kept (empty otherwise).
LNRawItems LNJournalItems(NOTEHANDLE note);
// The entry of a change about to be stored in `note`; -1: it could not be
// written, which is reported to `owner`, and the document must stay as it is.
// The entry reaches the disk with the journal's next Sync.
long LNJournalAhead(CxLNBaseUtil* owner, const char* action, NOTEID id, const LNRawItems& before,
                    const LNRawItems& after);
// Tells `owner` that document `id` stays as it is for want of a journal (errno).
void LNReportJournalFailure(CxLNBaseUtil* owner, NOTEID id);
void LNJournalDone(long entry, NOTEID id, bool committed);
