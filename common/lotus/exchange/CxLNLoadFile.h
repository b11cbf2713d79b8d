// The companion of an exchange file written by a load: the kind, the database
// and each loaded document's note ID and sequence. It lies beside the exchange
// file, under the exchange file's name with ".seq" added, and is private to
// its owner.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// What a load knew of each document: its note ID and its sequence, so a
// write-back can tell a document someone changed since.
struct tagLNLoadState {
    bool bKnown = false; // false: the exchange file came without a companion
    std::map<uint32_t, uint32_t> sequences;
    int nChanged = 0; // documents the last write-back left alone for that
};

// The companion's name for the exchange file `dataFile`.
std::string LNLoadFileName(const char* dataFile);

bool LNWriteLoadFile(const std::string& path, const std::string& kind, const std::string& db,
                     const tagLNLoadState& state);

enum class LNLoadFileRead { Missing, Damaged, Foreign, Read };

// Any sound file; `kind` and `db` receive what it names.
LNLoadFileRead LNParseLoadFile(const std::string& path, std::string* kind, std::string* db,
                               tagLNLoadState* state);
// Foreign: a sound file of another kind or database.
LNLoadFileRead LNReadLoadFile(const std::string& path, const std::string& kind,
                              const std::string& db, tagLNLoadState* state);
