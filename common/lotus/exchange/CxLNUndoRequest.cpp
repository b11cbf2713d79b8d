#include "CxLNUndoRequest.h"

#include <fcntl.h>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "common/lotus/exchange/CxLNPrivateFile.h"
#include "platform/DurableWrite.h"
#include "platform/LineReader.h"
#include "platform/SafeOpen.h"

namespace {

// A request names a run; an outcome holds a sentence for each thing left.
constexpr std::size_t kMaxRequestLine = 4096;
constexpr std::size_t kMaxResultLine = 16u << 20;

// A run's name is a file name of the journal folder and nothing else.
bool SoundRunName(const std::string& run) {
    return !run.empty() && run.size() < 128 &&
           run.find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_") ==
               std::string::npos;
}

// Line `number` (from 1) of the file, whole and within `keep` bytes, as JSON.
bool ReadLine(const std::string& path, long number, std::size_t keep, nlohmann::json* json) {
    const int fd = platform::OpenNoFollow(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    platform::CxLineReader reader(fd, keep);
    std::string line;
    bool cut = false, found = false;
    while (!found && reader.Next(&line, &cut))
        found = reader.Number() == number;
    close(fd);
    if (!found || cut)
        return false;
    *json = nlohmann::json::parse(line, nullptr, false);
    return json->is_object();
}

} // namespace

bool LNWriteUndoRequest(const std::string& path, const std::string& run, bool dryRun) {
    const int fd = LNOpenPrivateFile(path.c_str());
    if (fd < 0)
        return false;
    const bool written =
        platform::WriteAll(fd, nlohmann::json{{"run", run}, {"dry_run", dryRun}}.dump() + "\n");
    return close(fd) == 0 && written;
}

bool LNReadUndoRequest(const std::string& path, std::string* run, bool* dryRun) {
    nlohmann::json request;
    if (!ReadLine(path, 1, kMaxRequestLine, &request) || !request.contains("run") ||
        !request["run"].is_string())
        return false;
    const nlohmann::json& dry = request.value("dry_run", nlohmann::json(false));
    *run = request["run"].get<std::string>();
    *dryRun = dry.is_boolean() && dry.get<bool>();
    return SoundRunName(*run);
}

bool LNAppendUndoResult(const std::string& path, const tagLNUndoResult& result) {
    const nlohmann::json json = {{"restored", result.nRestored},
                                 {"left", result.nLeft},
                                 {"lines", result.lines},
                                 {"undo_run", result.sUndoRun}};
    const int fd = platform::OpenNoFollow(path.c_str(), O_WRONLY | O_APPEND);
    if (fd < 0)
        return false;
    const bool written = platform::WriteAll(fd, json.dump() + "\n");
    return close(fd) == 0 && written;
}

bool LNReadUndoResult(const std::string& path, tagLNUndoResult* result) {
    nlohmann::json json;
    if (!ReadLine(path, 2, kMaxResultLine, &json))
        return false;
    const nlohmann::json& restored = json.value("restored", nlohmann::json(0));
    const nlohmann::json& left = json.value("left", nlohmann::json(0));
    const nlohmann::json& run = json.value("undo_run", nlohmann::json(""));
    result->nRestored = restored.is_number_integer() ? restored.get<int>() : 0;
    result->nLeft = left.is_number_integer() ? left.get<int>() : 0;
    result->sUndoRun = run.is_string() ? run.get<std::string>() : std::string();
    result->lines.clear();
    const nlohmann::json lines = json.value("lines", nlohmann::json::array());
    if (lines.is_array())
        for (const nlohmann::json& line : lines)
            if (line.is_string())
                result->lines.push_back(line.get<std::string>());
    return true;
}
