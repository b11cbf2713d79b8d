#include "CxLNJournalDetails.h"

#include <map>
#include <nlohmann/json.hpp>

#include "common/lotus/exchange/CxLNJournalReader.h"
#include "common/lotus/exchange/CxLNJsonField.h"

namespace {

// A readable value: texts as they are, lists joined, numbers as written.
std::string ValueText(const nlohmann::json& readable) {
    if (readable.is_string())
        return readable.get<std::string>();
    if (readable.is_array()) {
        std::string text;
        for (const nlohmann::json& entry : readable)
            text += (text.empty() ? "" : "; ") + ValueText(entry);
        return text;
    }
    if (readable.is_number() || readable.is_boolean())
        return readable.dump();
    return std::string();
}

std::string ItemValue(const nlohmann::json& value) {
    if (!value.is_object())
        return std::string();
    const auto readable = value.find("value");
    if (readable != value.end())
        return ValueText(*readable);
    return "(" + LNJsonText(value, "type", "value") + ")";
}

tagLNJournalDocument Document(const nlohmann::json& line) {
    tagLNJournalDocument doc;
    doc.nEntry = static_cast<long>(LNJsonInteger(line, "entry"));
    doc.nDoc = static_cast<long>(LNJsonInteger(line, "doc"));
    doc.sAction = LNJsonText(line, "action");
    for (const nlohmann::json& item : line["items"]) {
        tagLNJournalItemChange change;
        change.sName = LNJsonText(item, "name");
        const nlohmann::json none;
        const nlohmann::json& before = item.is_object() && item.contains("old") ? item["old"] : none;
        const nlohmann::json& after = item.is_object() && item.contains("new") ? item["new"] : none;
        change.bHadOld = before.is_object();
        change.bHasNew = after.is_object();
        change.sOld = ItemValue(before);
        change.sNew = ItemValue(after);
        doc.items.push_back(std::move(change));
    }
    return doc;
}

} // namespace

bool LNReadJournalDetails(const std::string& dataFolder, const std::string& run,
                          std::size_t limit, tagLNJournalDetails* out) {
    *out = tagLNJournalDetails();
    CxLNJournalReader in(dataFolder, run);
    if (!in.IsOpen())
        return false;
    std::map<long, std::size_t> shown; // entry to its place in documents
    nlohmann::json line;
    while (in.Next(&line)) {
        if (!line.is_object() || !line.contains("entry") || !line["entry"].is_number_integer())
            continue;
        const long entry = line["entry"].get<long>();
        if (line.contains("items") && line["items"].is_array()) {
            if (out->documents.size() < limit) {
                shown[entry] = out->documents.size();
                out->documents.push_back(Document(line));
            } else {
                ++out->nMore;
            }
            continue;
        }
        const auto found = shown.find(entry);
        if (found == shown.end())
            continue;
        tagLNJournalDocument& doc = out->documents[found->second];
        doc.sOutcome = LNJsonFlag(line, "committed") ? "committed" : "not committed";
        if (!doc.nDoc)
            doc.nDoc = static_cast<long>(LNJsonInteger(line, "doc"));
        shown.erase(found);
    }
    out->sDamaged = in.Why();
    return true;
}
