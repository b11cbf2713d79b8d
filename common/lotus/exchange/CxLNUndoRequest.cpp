#include "CxLNUndoRequest.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "common/lotus/exchange/CxLNPrivateFile.h"

bool LNWriteUndoRequest(const std::string& path, const std::string& run, bool dryRun) {
    if (!LNCreatePrivateFile(path.c_str()))
        return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << nlohmann::json{{"run", run}, {"dry_run", dryRun}}.dump() << '\n';
    return static_cast<bool>(out.flush());
}

bool LNReadUndoResult(const std::string& path, tagLNUndoResult* result) {
    std::ifstream in(path, std::ios::binary);
    std::string request, text;
    if (!std::getline(in, request) || !std::getline(in, text))
        return false;
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (!json.is_object())
        return false;
    result->nRestored = json.value("restored", 0);
    result->nLeft = json.value("left", 0);
    result->sUndoRun = json.value("undo_run", std::string());
    result->lines.clear();
    const nlohmann::json lines = json.value("lines", nlohmann::json::array());
    for (const nlohmann::json& line : lines)
        if (line.is_string())
            result->lines.push_back(line.get<std::string>());
    return true;
}
