// The runs the journal folder of the data folder holds, as the wizard and
// vxln-batch list them.
#pragma once
#include <string>
#include <vector>

struct tagLNJournalRun {
    std::string sRun, sTime, sKind, sDatabase, sUser, sUndoOf; // UTF-8
    int nDocuments = 0; // documents whose change committed
    int nItems = 0;     // their items
    // "done", "stopped" (sWhy tells why), or empty: the run ended without
    // finishing its journal, or is still running.
    std::string sEnd, sWhy;
    // Why the journal could not be read to its end; empty when it could.
    std::string sDamaged;
};

// Where the runs of the data folder `dataFolder` (with its '/') are kept, and
// the file of run `run`.
std::string LNJournalFolder(const std::string& dataFolder);
std::string LNJournalPath(const std::string& dataFolder, const std::string& run);

// The names of the runs, newest first, without reading the files.
std::vector<std::string> LNJournalRunNames(const std::string& dataFolder);

// Newest first; a file that is no journal at all is named with sDamaged.
std::vector<tagLNJournalRun> LNListJournalRuns(const std::string& dataFolder);

// The run `run`; false when there is no such journal or its first line is
// no journal header (out->sDamaged then says why, when there is a file).
bool LNReadJournalRun(const std::string& dataFolder, const std::string& run, tagLNJournalRun* out);
