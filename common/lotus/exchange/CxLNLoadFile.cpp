#include "CxLNLoadFile.h"

#include <cstdio>
#include <unistd.h>

#include "common/lotus/exchange/CxLNKeyedFile.h"
#include "common/lotus/exchange/CxLNPrivateFile.h"
#include "platform/DurableWrite.h"

namespace {

const char kMagic[] = "ZEMBRIK-LOADED 2";
const char kEnd[] = "end";

bool ReadHead(CxLNKeyedFile& in, tagLNLoadHead* head) {
    unsigned long long changed = 0;
    if (!in.Expect(kMagic, "this is no load information") || !in.Keyed("load", &head->sLoadID) ||
        !in.Keyed("kind", &head->sKind) || !in.Keyed("database", &head->sDatabase) ||
        !in.KeyedNumber("changed", 0x7fffffffULL, &changed))
        return false;
    head->nChanged = static_cast<int>(changed);
    return !head->sLoadID.empty() || in.Fail("it names no load");
}

bool ReadEntry(CxLNKeyedFile& in, const std::string& line, tagLNLoadState* state) {
    const std::size_t blank = line.find(' ');
    unsigned long long id = 0, sequence = 0;
    if (blank == std::string::npos || !LNReadNumber(line.substr(0, blank), 0xffffffffULL, &id) ||
        id == 0 || !LNReadNumber(line.substr(blank + 1), 0xffffffffULL, &sequence))
        return in.Wrong("is not \"NOTE-ID SEQUENCE\"");
    if (state->sequences.size() >= kLNMaxLoadDocuments)
        return in.Fail("it lists more than " + std::to_string(kLNMaxLoadDocuments) + " documents");
    if (!state->sequences.emplace(static_cast<uint32_t>(id), static_cast<uint32_t>(sequence)).second)
        return in.Wrong("names document " + std::to_string(id) + " a second time");
    return true;
}

bool ReadEntries(CxLNKeyedFile& in, tagLNLoadState* state) {
    std::string line;
    while (in.Next(&line)) {
        if (line == kEnd) {
            std::string after;
            return !in.Next(&after) || in.Fail("it goes on after its \"end\" line");
        }
        if (!ReadEntry(in, line, state))
            return false;
    }
    return false;
}

LNLoadFileRead Converted(LNKeyedRead read) {
    switch (read) {
    case LNKeyedRead::Missing:
        return LNLoadFileRead::Missing;
    case LNKeyedRead::Damaged:
        return LNLoadFileRead::Damaged;
    case LNKeyedRead::Read:
        break;
    }
    return LNLoadFileRead::Read;
}

} // namespace

std::string LNLoadFileName(const char* dataFile) {
    return std::string(dataFile ? dataFile : "") + ".seq";
}

bool LNWriteLoadFile(const std::string& path, const std::string& kind, const std::string& db,
                     const tagLNLoadState& state) {
    std::string text = std::string(kMagic) + "\nload " + state.sLoadID + "\nkind " + kind +
                       "\ndatabase " + db + "\nchanged " + std::to_string(state.nChanged) + "\n";
    for (const auto& [id, sequence] : state.sequences)
        text += std::to_string(id) + ' ' + std::to_string(sequence) + '\n';
    text += std::string(kEnd) + '\n';
    return LNReplacePrivateFile(path, text);
}

LNLoadFileRead LNReadLoadHead(const std::string& path, tagLNLoadHead* head, std::string* why) {
    CxLNKeyedFile in(path, why);
    if (in.Opened() != LNKeyedRead::Read)
        return Converted(in.Opened());
    return Converted(in.Outcome(ReadHead(in, head)));
}

LNLoadFileRead LNParseLoadFile(const std::string& path, tagLNLoadHead* head,
                               tagLNLoadState* state, std::string* why) {
    CxLNKeyedFile in(path, why);
    if (in.Opened() != LNKeyedRead::Read)
        return Converted(in.Opened());
    tagLNLoadHead readHead;
    tagLNLoadState read;
    if (!ReadHead(in, &readHead) || !ReadEntries(in, &read))
        return LNLoadFileRead::Damaged;
    read.bKnown = true;
    read.sLoadID = readHead.sLoadID;
    read.nChanged = readHead.nChanged;
    *head = readHead;
    *state = std::move(read);
    return LNLoadFileRead::Read;
}

LNLoadFileRead LNReadLoadFile(const std::string& path, const std::string& kind,
                              const std::string& db, tagLNLoadState* state, std::string* why) {
    tagLNLoadHead head;
    tagLNLoadState read;
    const LNLoadFileRead result = LNParseLoadFile(path, &head, &read, why);
    if (result != LNLoadFileRead::Read)
        return result;
    if (head.sKind != kind || head.sDatabase != db)
        return LNLoadFileRead::Foreign;
    read.nChanged = 0;
    *state = std::move(read);
    return result;
}
