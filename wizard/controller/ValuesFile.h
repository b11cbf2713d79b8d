// A values file as it is read: RFC 4180 CSV (quoted cells with commas, quotes
// and line breaks, CRLF or LF), in UTF-8 with or without a byte-order mark
// or in a named encoding. Its first row names the columns.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// A row and where each of its cells begins.
struct tagValuesFileRow {
    int nLine = 0;                  // the row's first line, from 1
    std::vector<std::string> cells; // UTF-8
    std::vector<int> lines;         // the line each cell begins on
};

struct tagValuesFile {
    std::string path;
    std::string name; // the file's name without its folder
    tagValuesFileRow header;
    std::vector<tagValuesFileRow> rows;
};

// A file is read no further than this.
constexpr std::size_t kMaxValuesFile = 256u << 20;

// "FILE, line L, column C: TEXT"; a column 0 names the line only. UTF-8.
std::string ValuesFileError(const std::string& name, int line, int column,
                            const std::string& text);

// Reads and parses `path`; `encoding` empty means UTF-8. False with the
// reason, naming the file, line and column: a file that cannot be read, an
// unknown encoding, bytes not of the encoding, a quote out of place or not
// closed, a row with more cells than the first, a file without a first row.
bool ReadValuesFile(const std::string& path, const std::string& encoding, tagValuesFile* file,
                    std::string* error);
// The same for bytes already read; `path` names them in messages.
bool ParseValuesText(const std::string& bytes, const std::string& path,
                     const std::string& encoding, tagValuesFile* file, std::string* error);

// A file of one column: `header` on its first row, then each of `cells`
// (UTF-8), quoted as RFC 4180 asks; false with the reason.
bool WriteValuesColumn(const std::string& path, const std::string& header,
                       const std::vector<std::string>& cells, std::string* error);
