#include "CxLNLoadFile.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "common/lotus/exchange/CxLNPrivateFile.h"

namespace {

const char kMagic[] = "ZEMBRIK-LOADED 1";
const char kEnd[] = "end";

bool ReadNumber(std::istringstream& in, unsigned long long max, unsigned long long* value) {
    std::string word;
    if (!(in >> word) || word.empty() || word.find_first_not_of("0123456789") != std::string::npos ||
        word.size() > 10)
        return false;
    *value = std::stoull(word);
    return *value <= max;
}

bool ReadEntry(const std::string& line, tagLNLoadState* state) {
    std::istringstream in(line);
    unsigned long long id = 0, sequence = 0;
    std::string rest;
    if (!ReadNumber(in, 0xffffffffULL, &id) || id == 0 || !ReadNumber(in, 0xffffffffULL, &sequence) ||
        (in >> rest))
        return false;
    return state->sequences.emplace(static_cast<uint32_t>(id), static_cast<uint32_t>(sequence)).second;
}

} // namespace

std::string LNLoadFileName(const char* dataFile) {
    return std::string(dataFile ? dataFile : "") + ".seq";
}

bool LNWriteLoadFile(const std::string& path, const std::string& kind, const std::string& db,
                     const tagLNLoadState& state) {
    // Written aside and renamed over, so no reader ever finds half a file.
    const std::string temporary = path + ".new";
    if (!LNCreatePrivateFile(temporary.c_str()))
        return false;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << kMagic << "\nkind " << kind << "\ndatabase " << db << "\nchanged " << state.nChanged
        << "\n";
    for (const auto& [id, sequence] : state.sequences)
        out << id << ' ' << sequence << '\n';
    out << kEnd << '\n';
    out.close();
    if (!out || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

LNLoadFileRead LNParseLoadFile(const std::string& path, std::string* kind, std::string* db,
                               tagLNLoadState* state) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return errno == ENOENT ? LNLoadFileRead::Missing : LNLoadFileRead::Damaged;
    std::string magic, kindLine, dbLine, changedLine, line;
    if (!std::getline(in, magic) || magic != kMagic || !std::getline(in, kindLine) ||
        kindLine.rfind("kind ", 0) != 0 || !std::getline(in, dbLine) ||
        dbLine.rfind("database ", 0) != 0 || !std::getline(in, changedLine) ||
        changedLine.rfind("changed ", 0) != 0)
        return LNLoadFileRead::Damaged;
    tagLNLoadState read;
    std::istringstream changed(changedLine.substr(8));
    unsigned long long count = 0;
    if (!ReadNumber(changed, 0x7fffffffULL, &count))
        return LNLoadFileRead::Damaged;
    read.nChanged = static_cast<int>(count);
    bool ended = false;
    while (!ended && std::getline(in, line)) {
        ended = line == kEnd;
        if (!ended && !ReadEntry(line, &read))
            return LNLoadFileRead::Damaged;
    }
    if (!ended || std::getline(in, line))
        return LNLoadFileRead::Damaged;
    *kind = kindLine.substr(5);
    *db = dbLine.substr(9);
    read.bKnown = true;
    *state = std::move(read);
    return LNLoadFileRead::Read;
}

LNLoadFileRead LNReadLoadFile(const std::string& path, const std::string& kind,
                              const std::string& db, tagLNLoadState* state) {
    std::string namedKind, namedDb;
    tagLNLoadState read;
    const LNLoadFileRead result = LNParseLoadFile(path, &namedKind, &namedDb, &read);
    if (result != LNLoadFileRead::Read)
        return result;
    if (namedKind != kind || namedDb != db)
        return LNLoadFileRead::Foreign;
    read.nChanged = 0;
    *state = std::move(read);
    return result;
}
