#include "CxLNJournalList.h"

#include <algorithm>
#include <dirent.h>
#include <functional>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

namespace {

const char kExtension[] = ".jsonl";

bool ReadHead(const nlohmann::json& head, tagLNJournalRun* run) {
    if (!head.is_object() || head.value("journal", 0) != 1)
        return false;
    run->sRun = head.value("run", std::string());
    run->sTime = head.value("time", std::string());
    run->sKind = head.value("kind", std::string());
    run->sDatabase = head.value("database", std::string());
    run->sUser = head.value("user", std::string());
    run->sUndoOf = head.value("undo_of", std::string());
    return !run->sRun.empty();
}

bool ReadFile(const std::string& path, tagLNJournalRun* run) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    if (!std::getline(in, text) ||
        !ReadHead(nlohmann::json::parse(text, nullptr, false), run))
        return false;
    std::map<long, int> items; // entry to its item count
    while (std::getline(in, text)) {
        const nlohmann::json line = nlohmann::json::parse(text, nullptr, false);
        if (!line.is_object() || !line.contains("entry") || !line["entry"].is_number_integer())
            continue;
        const long entry = line["entry"].get<long>();
        if (line.contains("items") && line["items"].is_array())
            items[entry] = static_cast<int>(line["items"].size());
        else if (line.value("committed", false) && items.count(entry)) {
            ++run->nDocuments;
            run->nItems += items[entry];
        }
    }
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
    DIR* dir = opendir(LNJournalFolder(dataFolder).c_str());
    if (!dir)
        return names;
    const std::size_t n = sizeof kExtension - 1;
    while (const dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name.size() > n && name.compare(name.size() - n, n, kExtension) == 0)
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
        if (ReadFile(LNJournalPath(dataFolder, name), &run))
            runs.push_back(run);
    }
    return runs;
}

bool LNReadJournalRun(const std::string& dataFolder, const std::string& run, tagLNJournalRun* out) {
    if (run.empty() || run.find('/') != std::string::npos || run[0] == '.')
        return false;
    tagLNJournalRun read;
    if (!ReadFile(LNJournalPath(dataFolder, run), &read))
        return false;
    *out = read;
    return true;
}
