// What the front end wrote into the exchange file for a write-back. It lies
// beside the exchange file, under its name with ".saved" added: the load the
// records came from and the file's record count and size as written. The
// helper refuses an exchange file that no longer matches it (emptied, cut
// or replaced since), and one whose load is not the load information's.
#pragma once
#include <cstdint>
#include <string>

struct tagLNSaved {
    std::string sLoadID;  // empty: the records came from no known load
    int64_t nRecords = 0; // the count at the head of the file
    int64_t nBytes = 0;
};

std::string LNSavedFileName(const char* dataFile);

// The exchange file at `path` as it is now (its load left empty); false when
// it can not be opened.
bool LNMeasureExchangeFile(const std::string& path, tagLNSaved* measured);

bool LNWriteSavedFile(const std::string& path, const tagLNSaved& saved);
// False, with `why` (may be null), for a missing or damaged file.
bool LNReadSavedFile(const std::string& path, tagLNSaved* saved, std::string* why);
