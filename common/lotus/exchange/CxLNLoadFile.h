// The companion of an exchange file written by a load: which load it was,
// the kind, the database and each loaded document's note ID and sequence. It
// lies beside the exchange file, under the exchange file's name with ".seq"
// added, and is private to its owner. It is read a line at a time, each line
// and the number of documents bounded, and a damaged one is named with why.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// What a load knew of each document: its note ID and its sequence, so a
// write-back can tell a document someone changed since.
struct tagLNLoadState {
    bool bKnown = false;   // false: no load information was read
    std::string sLoadID;   // which load this is; a new one for every load
    std::map<uint32_t, uint32_t> sequences;
    int nChanged = 0; // documents the last write-back left alone for that
};

// The lines before the documents.
struct tagLNLoadHead {
    std::string sLoadID, sKind, sDatabase;
    int nChanged = 0;
};

// No load lists more documents than this; what a load keeps stays bounded.
constexpr std::size_t kLNMaxLoadDocuments = 1u << 20;

// The companion's name for the exchange file `dataFile`.
std::string LNLoadFileName(const char* dataFile);

bool LNWriteLoadFile(const std::string& path, const std::string& kind, const std::string& db,
                     const tagLNLoadState& state);

enum class LNLoadFileRead { Missing, Damaged, Foreign, Read };

// The head alone (the front end's look at a load); `why` (may be null) says
// what is wrong with a damaged file.
LNLoadFileRead LNReadLoadHead(const std::string& path, tagLNLoadHead* head, std::string* why);
// Any sound file, documents and all.
LNLoadFileRead LNParseLoadFile(const std::string& path, tagLNLoadHead* head,
                               tagLNLoadState* state, std::string* why);
// Foreign: a sound file of another kind or database.
LNLoadFileRead LNReadLoadFile(const std::string& path, const std::string& kind,
                              const std::string& db, tagLNLoadState* state, std::string* why);
