// Reading a run's journal back as the plan of its undo.
#include "CxLNUndo.h"

#include <map>
#include <nlohmann/json.hpp>

#include "common/lotus/engine/CxLNJournalValue.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNJournalReader.h"
#include "common/lotus/exchange/CxLNJsonField.h"
#include "platform/Cp1252.h"

namespace {

// What an undo keeps of a journal: its documents and their values.
constexpr std::size_t kMaxUndoDocuments = 1u << 20;
constexpr std::size_t kMaxUndoBytes = 512u << 20;

// The bytes of the values an entry line brings (its text, near enough).
std::size_t Kept(const nlohmann::json& line) {
    return line.contains("items") ? line["items"].dump().size() : 0;
}

// The old item's own spelling of the name, where it differed.
std::string OldName(const nlohmann::json& old, const std::string& name) {
    const nlohmann::json& own = old.value("name", nlohmann::json());
    return own.is_string() ? own.get<std::string>() : name;
}

bool ReadItem(const nlohmann::json& json, tagLNUndoItem* item) {
    if (!json.is_object() || !json.contains("name") || !json["name"].is_string())
        return false;
    item->sName = json["name"].get<std::string>();
    const nlohmann::json& old = json.value("old", nlohmann::json());
    const nlohmann::json& now = json.value("new", nlohmann::json());
    item->bHadOld = !old.is_null();
    item->bHasNew = !now.is_null();
    if (item->bHadOld && !LNJournalItem(old, OldName(old, item->sName), &item->old))
        return false;
    return !item->bHasNew || LNJournalItem(now, item->sName, &item->now);
}

bool ReadEntry(const nlohmann::json& line, tagLNUndoDoc* doc) {
    const nlohmann::json& action = line.value("action", nlohmann::json());
    const nlohmann::json& id = line.value("doc", nlohmann::json());
    const nlohmann::json& items = line.value("items", nlohmann::json());
    if (!action.is_string() || !(id.is_null() || id.is_number_unsigned()) || !items.is_array())
        return false;
    doc->sAction = action.get<std::string>();
    doc->nDoc = id.is_null() ? 0 : id.get<NOTEID>();
    for (const nlohmann::json& json : items) {
        tagLNUndoItem item;
        if (!ReadItem(json, &item))
            return false;
        doc->items.push_back(std::move(item));
    }
    return doc->sAction == "change" || doc->sAction == "create" || doc->sAction == "delete";
}

bool ReadHead(const nlohmann::json& head, tagLNUndoPlan* plan) {
    if (LNJsonInteger(head, "journal") != 1)
        return false;
    for (const char* key : {"run", "kind", "database"})
        if (!head.contains(key) || !head[key].is_string())
            return false;
    plan->sRun = head["run"].get<std::string>();
    plan->sKind = head["kind"].get<std::string>();
    plan->sDatabase = platform::Utf8ToCp1252(head["database"].get<std::string>());
    return true;
}

// An entry's outcome line: a document that did not commit did not change.
bool ReadOutcome(const nlohmann::json& line, std::map<long, tagLNUndoDoc>* docs) {
    const auto doc = docs->find(line["entry"].get<long>());
    const nlohmann::json& id = line.value("doc", nlohmann::json());
    if (doc == docs->end() || !line["committed"].is_boolean() || !id.is_number_unsigned())
        return false;
    if (!line["committed"].get<bool>())
        docs->erase(doc);
    else
        doc->second.nDoc = id.get<NOTEID>();
    return true;
}

bool ReadLine(const nlohmann::json& line, std::map<long, tagLNUndoDoc>* docs) {
    // The last line of a run that finished says how.
    if (line.is_object() && line.contains("end") && !line.contains("entry"))
        return line["end"].is_string();
    if (!line.is_object() || !line.contains("entry") || !line["entry"].is_number_integer())
        return false;
    if (line.contains("committed"))
        return ReadOutcome(line, docs);
    tagLNUndoDoc doc;
    return ReadEntry(line, &doc) && docs->emplace(line["entry"].get<long>(), std::move(doc)).second;
}

} // namespace

bool LNReadUndoPlan(const std::string& dataFolder, const std::string& run, tagLNUndoPlan* plan,
                    std::string* error) {
    const std::string path = LNJournalPath(dataFolder, run);
    CxLNJournalReader in(dataFolder, run);
    if (!in.IsOpen()) {
        *error = "There is no journal " + path + ".";
        return false;
    }
    nlohmann::json line;
    std::map<long, tagLNUndoDoc> docs;
    std::size_t kept = 0; // bytes of the values kept
    bool sound = true, more = true;
    while (sound && (more = in.Next(&line))) {
        sound = in.Number() == 1 ? ReadHead(line, plan) : ReadLine(line, &docs);
        if (sound && (docs.size() > kMaxUndoDocuments || (kept += Kept(line)) > kMaxUndoBytes)) {
            *error = "The journal " + path + " is too large to be undone: it changes more than " +
                     std::to_string(kMaxUndoDocuments) + " documents or " +
                     std::to_string(kMaxUndoBytes >> 20) + " MiB of values; nothing was changed.";
            return false;
        }
    }
    if (!in.Why().empty()) {
        *error = "The journal " + path + " is damaged: " + in.Why() + "; nothing was changed.";
        return false;
    }
    // A helper ended while writing leaves at most its last line cut short.
    if (!sound && (in.Next(&line) || in.Number() == 1)) {
        *error = "The journal " + path + " is damaged at line " +
                 std::to_string(in.Number() - (more ? 1 : 0)) + "; nothing was changed.";
        return false;
    }
    plan->docs.clear();
    for (auto& [entry, doc] : docs)
        plan->docs.push_back(std::move(doc));
    return true;
}
