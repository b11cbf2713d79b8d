#include "ValuesFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iconv.h>

#include <csv.h>

namespace {

const char kBom[] = "\xEF\xBB\xBF";

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where byte `offset` of `text` lies: its line and its character in the line.
void PositionOf(const std::string& text, std::size_t offset, int* line, int* character) {
    const std::size_t end = std::min(offset, text.size());
    *line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + end, '\n'));
    const std::size_t start = text.rfind('\n', end == 0 ? 0 : end - 1);
    const std::size_t from = start == std::string::npos || end == 0 ? 0 : start + 1;
    // Characters, not bytes: continuation bytes of UTF-8 do not count.
    *character = 1;
    for (std::size_t i = from; i < end; ++i)
        *character += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
}

bool IsAscii(const std::string& bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// `bytes` in `encoding` as UTF-8, checked; false with the reason.
bool ToUtf8(const std::string& bytes, const std::string& encoding, const std::string& name,
            std::string* text, std::string* error) {
    const std::string from = encoding.empty() ? "UTF-8" : encoding;
    // Plain ASCII is UTF-8 already.
    if (from == "UTF-8" && IsAscii(bytes)) {
        *text = bytes;
        return true;
    }
    iconv_t cd = iconv_open("UTF-8", from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        *error = "Unknown encoding \"" + encoding + "\" for " + name +
                 "; name one such as UTF-8 or WINDOWS-1252.";
        return false;
    }
    text->assign(bytes.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = &(*text)[0];
    std::size_t outLeft = text->size();
    const std::size_t done = iconv(cd, &in, &inLeft, &out, &outLeft);
    const int why = errno;
    iconv_close(cd);
    text->resize(text->size() - outLeft);
    if (done == static_cast<std::size_t>(-1)) {
        int line = 0, character = 0;
        PositionOf(bytes, bytes.size() - inLeft, &line, &character);
        const std::string what = why == EINVAL ? "the file ends in the middle of a character"
                                               : "a byte is not " + from + " at character " +
                                                     std::to_string(character);
        *error = ValuesFileError(name, line, 0,
                                 what + (encoding.empty() ? "; name the file's encoding" : ""));
        return false;
    }
    if (text->compare(0, 3, kBom) == 0)
        text->erase(0, 3);
    return true;
}

// libcsv hands over cells and row ends; this keeps where each began.
class CxRowCollector {
public:
    explicit CxRowCollector(tagValuesFile* file) : m_file(file) {}

    void BeginLine(int line, bool blank) {
        m_nLine = line;
        if (!m_bInRow && !blank) {
            m_bInRow = true;
            m_row.nLine = line;
        }
    }
    void Cell(const char* data, std::size_t size) {
        if (m_row.cells.empty()) {
            m_row.cells.reserve(m_nWidth);
            m_row.lines.reserve(m_nWidth);
        }
        const int breaks = static_cast<int>(std::count(data, data + size, '\n'));
        m_row.lines.push_back(m_nLine - breaks);
        m_row.cells.emplace_back(data, size);
        m_nLastCellLine = m_nLine;
    }
    void EndRow() {
        if (m_bHaveHeader) {
            m_file->rows.push_back(std::move(m_row));
        } else {
            m_nWidth = m_row.cells.size();
            m_file->header = std::move(m_row);
        }
        m_bHaveHeader = true;
        m_row = tagValuesFileRow();
        m_bInRow = false;
    }
    // Where the cell being read begins: the line of the one before it, or
    // the row's first line.
    int OpenCellLine() const { return m_row.cells.empty() ? m_row.nLine : m_nLastCellLine; }
    int OpenCellColumn() const { return static_cast<int>(m_row.cells.size()) + 1; }
    int Line() const { return m_nLine; }

    static void OnCell(void* data, std::size_t size, void* self) {
        static_cast<CxRowCollector*>(self)->Cell(static_cast<const char*>(data), size);
    }
    static void OnRow(int, void* self) { static_cast<CxRowCollector*>(self)->EndRow(); }

private:
    tagValuesFile* m_file;
    tagValuesFileRow m_row;
    int m_nLine = 0;
    int m_nLastCellLine = 0;
    std::size_t m_nWidth = 0; // of the first row
    bool m_bInRow = false;
    bool m_bHaveHeader = false;
};

// Blanks around cells are part of them.
int NoSpace(unsigned char) {
    return 0;
}

bool IsBlankLine(const std::string& text, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
        if (text[i] != '\r' && text[i] != '\n')
            return false;
    return true;
}

bool Parse(const std::string& text, const std::string& name, tagValuesFile* file,
           std::string* error) {
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        *error = "Not enough memory to read " + name + ".";
        return false;
    }
    csv_set_space_func(&parser, NoSpace);
    CxRowCollector rows(file);
    int line = 0;
    bool ok = true;
    // A line at a time, so every cell knows the line it ends on.
    for (std::size_t from = 0; ok && from < text.size();) {
        const std::size_t lf = text.find('\n', from);
        const std::size_t to = lf == std::string::npos ? text.size() : lf + 1;
        rows.BeginLine(++line, IsBlankLine(text, from, to));
        const std::size_t parsed =
            csv_parse(&parser, text.data() + from, to - from, CxRowCollector::OnCell,
                      CxRowCollector::OnRow, &rows);
        if (parsed != to - from) {
            int at = 0, character = 0;
            PositionOf(text, from + parsed, &at, &character);
            *error = ValuesFileError(
                name, line, rows.OpenCellColumn(),
                csv_error(&parser) == CSV_EPARSE
                    ? "a quote is out of place at character " + std::to_string(character) +
                          "; a cell with quotes is quoted whole, each of its quotes doubled"
                    : "not enough memory");
            ok = false;
        }
        from = to;
    }
    if (ok && csv_fini(&parser, CxRowCollector::OnCell, CxRowCollector::OnRow, &rows) != 0) {
        *error = ValuesFileError(name, rows.OpenCellLine(), rows.OpenCellColumn(),
                                 "the quote that begins this cell is not closed");
        ok = false;
    }
    csv_free(&parser);
    return ok;
}

// Rows may be shorter than the first (their missing cells are empty), never longer.
bool CheckWidths(const tagValuesFile& file, std::string* error) {
    if (file.header.cells.empty()) {
        *error = file.name + " is empty: its first row names the fields, one a column.";
        return false;
    }
    const std::size_t width = file.header.cells.size();
    for (const tagValuesFileRow& row : file.rows)
        if (row.cells.size() > width) {
            *error = ValuesFileError(file.name, row.lines[width], static_cast<int>(width) + 1,
                                     "the row has " + std::to_string(row.cells.size()) +
                                         " cells, more than the " + std::to_string(width) +
                                         " of the first row");
            return false;
        }
    return true;
}

} // namespace

std::string ValuesFileError(const std::string& name, int line, int column,
                            const std::string& text) {
    std::string where = name + ", line " + std::to_string(line);
    if (column > 0)
        where += ", column " + std::to_string(column);
    return where + ": " + text + (!text.empty() && (text.back() == '.' || text.back() == '?') ? "" : ".");
}

bool ParseValuesText(const std::string& bytes, const std::string& path,
                     const std::string& encoding, tagValuesFile* file, std::string* error) {
    *file = tagValuesFile();
    file->path = path;
    file->name = BaseName(path);
    std::string text;
    return ToUtf8(bytes, encoding, file->name, &text, error) &&
           Parse(text, file->name, file, error) && CheckWidths(*file, error);
}

bool ReadValuesFile(const std::string& path, const std::string& encoding, tagValuesFile* file,
                    std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "Cannot read the values file \"" + path + "\".";
        return false;
    }
    std::string bytes;
    char block[1 << 16];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxValuesFile) {
            *error = "The values file \"" + path + "\" is larger than " +
                     std::to_string(kMaxValuesFile >> 20) + " MiB.";
            return false;
        }
    }
    return ParseValuesText(bytes, path, encoding, file, error);
}

bool WriteValuesColumn(const std::string& path, const std::string& header,
                       const std::vector<std::string>& cells, std::string* error) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    bool ok = out != nullptr;
    auto line = [&](const std::string& cell) {
        ok = ok && csv_fwrite(out, cell.data(), cell.size()) == 0 && std::fputs("\r\n", out) >= 0;
    };
    line(header);
    for (const std::string& cell : cells)
        line(cell);
    if (out && std::fclose(out) != 0)
        ok = false;
    if (!ok)
        *error = "Cannot write \"" + path + "\".";
    return ok;
}
