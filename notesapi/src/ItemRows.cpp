#include "notesapi/src/ItemRows.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace zns {

namespace {

bool HeldRowsAscend(const std::vector<Item>& items) {
    int64_t previous = -1;
    for (const Item& item : items) {
        if (item.row < 0)
            continue;
        if (item.row <= previous)
            return false;
        previous = item.row;
    }
    return true;
}

} // namespace

bool PlanItemRows(const std::vector<Item>& items, std::vector<int64_t>& rows) {
    if (!HeldRowsAscend(items))
        return false;
    rows.assign(items.size(), -1);
    int64_t before = -1;
    size_t runStart = 0;
    for (size_t i = 0; i <= items.size(); ++i) {
        if (i < items.size() && items[i].row < 0)
            continue;
        int64_t after = i < items.size() ? items[i].row : std::numeric_limits<int64_t>::max();
        size_t run = i - runStart;
        if (static_cast<uint64_t>(after - 1 - before) < run)
            return false;
        for (size_t k = runStart; k < i; ++k)
            rows[k] = before + 1 + static_cast<int64_t>(k - runStart);
        if (i < items.size())
            rows[i] = before = after;
        runStart = i + 1;
    }
    return true;
}

std::vector<int64_t> DroppedRows(const std::vector<int64_t>& stored,
                                 const std::vector<Item>& items) {
    std::vector<int64_t> held;
    for (const Item& item : items)
        if (item.row >= 0)
            held.push_back(item.row);
    std::sort(held.begin(), held.end());
    std::vector<int64_t> dropped;
    std::set_difference(stored.begin(), stored.end(), held.begin(), held.end(),
                        std::back_inserter(dropped));
    return dropped;
}

} // namespace zns
