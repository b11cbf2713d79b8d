#include "CxLNJournalList.h"

#include <algorithm>
#include <dirent.h>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "common/lotus/exchange/CxLNJournalReader.h"
#include "common/lotus/exchange/CxLNJsonField.h"

namespace {

const char kExtension[] = ".jsonl";

// Entries still waiting for their outcome line; a run keeps a group of them
// at a time, so a journal holding more is taken for a damaged one.
constexpr std::size_t kMaxWaiting = 1u << 20;

bool ReadHead(const nlohmann::json& head, tagLNJournalRun* run) {
    if (LNJsonInteger(head, "journal") != 1)
        return false;
    run->sRun = LNJsonText(head, "run");
    run->sTime = LNJsonText(head, "time");
    run->sKind = LNJsonText(head, "kind");
    run->sDatabase = LNJsonText(head, "database");
    run->sUser = LNJsonText(head, "user");
    run->sUndoOf = LNJsonText(head, "undo_of");
    return !run->sRun.empty();
}

// Counts what committed: an entry's items, once its outcome line says so.
void ReadLine(const nlohmann::json& line, std::map<long, int>* waiting, tagLNJournalRun* run) {
    if (!line.is_object())
        return;
    if (line.contains("end") && line["end"].is_string()) {
        run->sEnd = line["end"].get<std::string>();
        run->sWhy = LNJsonText(line, "why");
        return;
    }
    if (!line.contains("entry") || !line["entry"].is_number_integer())
        return;
    const long entry = line["entry"].get<long>();
    if (line.contains("items") && line["items"].is_array()) {
        (*waiting)[entry] = static_cast<int>(line["items"].size());
        return;
    }
    const auto found = waiting->find(entry);
    if (found == waiting->end())
        return;
    if (LNJsonFlag(line, "committed")) {
        ++run->nDocuments;
        run->nItems += found->second;
    }
    waiting->erase(found);
}

bool ReadFile(const std::string& dataFolder, const std::string& name, tagLNJournalRun* run) {
    CxLNJournalReader in(dataFolder, name);
    nlohmann::json line;
    if (!in.Next(&line) || !ReadHead(line, run)) {
        run->sDamaged = in.Why().empty() ? "it is no journal" : in.Why();
        return false;
    }
    std::map<long, int> waiting; // entry to its item count
    while (in.Next(&line)) {
        ReadLine(line, &waiting, run);
        if (waiting.size() > kMaxWaiting) {
            run->sDamaged = "more than " + std::to_string(kMaxWaiting) +
                            " of its entries have no outcome";
            return true;
        }
    }
    run->sDamaged = in.Why();
    return true;
}

} // namespace

std::string LNJournalFolder(const std::string& dataFolder) {
    return dataFolder + "journal/";
}

std::string LNJournalPath(const std::string& dataFolder, const std::string& run) {
    return LNJournalFolder(dataFolder) + run + kExtension;
}

std::vector<std::string> LNJournalRunNames(const std::string& dataFolder) {
    std::vector<std::string> names;
    const int folder = LNOpenJournalFolder(dataFolder, false);
    DIR* dir = folder >= 0 ? fdopendir(folder) : nullptr;
    if (!dir) {
        if (folder >= 0)
            close(folder);
        return names;
    }
    const std::size_t n = sizeof kExtension - 1;
    while (const dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name.size() > n && name[0] != '.' && name.compare(name.size() - n, n, kExtension) == 0)
            names.push_back(name.substr(0, name.size() - n));
    }
    closedir(dir);
    // Names begin with the time to the millisecond.
    std::sort(names.begin(), names.end(), std::greater<std::string>());
    return names;
}

std::vector<tagLNJournalRun> LNListJournalRuns(const std::string& dataFolder) {
    std::vector<tagLNJournalRun> runs;
    for (const std::string& name : LNJournalRunNames(dataFolder)) {
        tagLNJournalRun run;
        if (!ReadFile(dataFolder, name, &run))
            run.sRun = name;
        runs.push_back(run);
    }
    return runs;
}

bool LNReadJournalRun(const std::string& dataFolder, const std::string& run, tagLNJournalRun* out) {
    tagLNJournalRun read;
    const bool headed = ReadFile(dataFolder, run, &read);
    if (headed || CxLNJournalReader(dataFolder, run).IsOpen())
        *out = read;
    return headed;
}
