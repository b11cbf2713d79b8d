// Process-wide state of the stand-in between NotesInit and NotesTerm. Every
// API call holds the API lock; it is recursive because callbacks of search
// and item scan call back into the API.
#pragma once
#include "notesapi/src/Api.h"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace zns {

struct Session {
    bool initialized = false;
    std::string dataDir;    // Directory= of notes.ini
    std::vector<std::pair<std::string, std::string>> servers; // name, folder
    std::string user;       // the current user; empty for nobody
    int busyTimeoutMs = 10000;
};

Session& TheSession();
std::recursive_mutex& ApiMutex();

// Reads the notes.ini given, else the one of the current directory, and
// makes the session ready. Relative folders in it are relative to its own.
STATUS StartSession(const std::string& iniFile);
// Closes every handle and forgets the session.
void EndSession();

} // namespace zns

#define ZNS_API_LOCK std::lock_guard<std::recursive_mutex> znsApiLock(zns::ApiMutex())
// For calls that need NotesInit first.
#define ZNS_REQUIRE_INIT(failure)                                                        \
    ZNS_API_LOCK;                                                                        \
    if (!zns::TheSession().initialized)                                                  \
    return failure
