// The command line of vxln-batch.
#pragma once
#include <string>
#include <vector>

#include "wizard/batch/BatchUpdates.h"

enum BatchPasswordMode { BATCH_PASSWORD_DEFAULT, BATCH_PASSWORD_STDIN, BATCH_PASSWORD_NONE };

// An access option given on the command line; not given keeps the settings' value.
struct tagBatchText {
    bool bGiven = false;
    std::string value;
};

struct tagBatchOptions {
    bool bHelp = false;
    bool bVersion = false;
    bool bDryRun = false;
    bool bWait = false; // wait for a data folder another run holds
    std::string listFields; // the kind of --list-fields
    std::string kind;       // the positional record kind, or "journal" or "undo"
    std::string undoRun;    // the run named after "undo"
    tagBatchText notesPath, addrFile, server, user, mailDB, idFile;
    BatchPasswordMode passwordMode = BATCH_PASSWORD_DEFAULT;
    // Updates in command-line order; an "updates" entry names a file to read there.
    std::vector<tagBatchUpdateSpec> updates;
    std::vector<std::string> where;
    // Values per record from a file, matched by the key field.
    std::string valuesFrom, valuesKey, encoding, unmatchedFile;
};

// False with the reason for anything the program cannot run with.
bool ParseBatchOptions(int argc, const char* const* argv, tagBatchOptions* options,
                       std::string* error);

extern const char* const kBatchUsage;
