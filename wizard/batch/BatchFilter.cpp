#include "BatchFilter.h"

#include <memory>
#include <vector>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNHeld.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxList.h"
#include "platform/Cp1252.h"
#include "wizard/batch/BatchText.h"
#include "wizard/controller/WizardController.h"
#include "wizard/update/VxKeyText.h"

namespace {

// Above every key of the record-list catalogues.
const int kMaxColumnKey = 256;
// Room for the longest text form of a column.
const std::size_t kTextSize = 20480;

template <class Mgr> bool FindColumn(const std::string& name, tagCommFieldInfo* row) {
    for (int key = 0; key < kMaxColumnKey; ++key) {
        tagCommFieldInfo probe;
        if (Mgr::GetCommFieldInfo(key, &probe) && BatchSameText(name, probe.szName)) {
            *row = probe;
            return true;
        }
    }
    return false;
}

template <class Mgr, class Rec>
bool Meets(const Rec* rec, const std::vector<tagBatchCondition>& conditions,
           std::vector<char>& text) {
    for (const tagBatchCondition& c : conditions) {
        if (!Mgr::GetCommFieldText(rec, &c.row, text.data(), text.size()))
            return false;
        if (!FUSameKey(text.data(), c.value))
            return false;
    }
    return true;
}

// Records the store keeps are read one at a time into a copy, and only
// when there is a condition to check; none is made.
template <class Util>
unsigned Select(Util* util, CxList* selected, const std::vector<tagBatchCondition>& conditions) {
    typedef tagKindCommRec<Util> Rec;
    typedef std::remove_pointer_t<decltype(util->GetDataMgr())> Mgr;
    Mgr* mgr = util ? util->GetDataMgr() : nullptr;
    if (!mgr || !selected)
        return 0;
    std::vector<char> text(kTextSize + 1);
    std::unique_ptr<Rec> copy(new Rec);
    CxList* records = mgr->GetRecords();
    unsigned count = 0;
    for (const tagLNHeld& held : LNHeldEntries(records)) {
        const Rec* rec = conditions.empty() ? nullptr
                                            : static_cast<const Rec*>(LNReadHeld(
                                                  records->GetSource(), held, copy.get()));
        const bool meets = conditions.empty() || (rec && Meets<Mgr>(rec, conditions, text));
        if (meets && LNAddHeld(selected, util->GetRecStore(), held))
            ++count;
    }
    return count;
}

} // namespace

bool ParseBatchCondition(int kind, const std::string& text, tagBatchCondition* condition,
                         std::string* error) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) {
        *error = "Write the condition as COLUMN=VALUE.";
        return false;
    }
    const std::string column = BatchTrim(platform::Utf8ToCp1252(text.substr(0, eq)));
    bool found = false;
    if (kind == LN_KIND_ADDR)
        found = FindColumn<CommAddrMgr>(column, &condition->row);
    else if (kind == LN_KIND_DATE)
        found = FindColumn<CommDateMgr>(column, &condition->row);
    else if (kind == LN_KIND_TASK)
        found = FindColumn<CommTaskMgr>(column, &condition->row);
    if (!found) {
        *error = "Unknown column \"" + platform::Cp1252ToUtf8(column) + "\" in --where.";
        return false;
    }
    condition->value = platform::Utf8ToCp1252(text.substr(eq + 1));
    return true;
}

unsigned SelectBatchRecords(CxWizardController& c,
                            const std::vector<tagBatchCondition>& conditions) {
    CxList* selected = c.GetSelectedRecords();
    return c.ForCurrentKind(0u,
                            [&](auto* util, auto*) { return Select(util, selected, conditions); });
}
