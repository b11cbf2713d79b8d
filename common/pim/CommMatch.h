// Record matching of the managers (the Notes access library's build): which
// stored record stands for the same entry as a given one, and whether it
// changed. Each manager says how one of its fields compares (IsFieldEqual).
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/misc/CxList.h"
#include "common/pim/CommFieldTable.h"

enum : int {
    COMM_FIND_PRESENT = 1, // the record itself, or a hit equal in every compare field
    COMM_FIND_NEW = 2,     // no hit: the record is to be added
    COMM_FIND_CHANGED = 3, // a hit that differs: the record at the position is to be updated
};

// Text comparison options: letter case counts; carriage returns and line
// feeds are skipped.
enum : unsigned { COMM_TEXT_CASE = 1u, COMM_TEXT_SKIP_CRLF = 2u };

// Compares at most `maxChars` characters of two text fields, neither of which
// need be terminated within its `size` bytes.
bool CommTextEqual(const char* a, const char* b, std::size_t size, std::size_t maxChars,
                   unsigned options);

template <std::size_t N>
bool CommTextEqual(const char (&a)[N], const char (&b)[N], unsigned options) {
    return CommTextEqual(a, b, N, N - 1, options);
}

// IsFieldEqual by the kind's table: the field of `key` in two records; a key
// without a row compares equal. `textOptions` add to every text comparison.
bool CommFieldEqual(const tagCommFieldTable& table, int key, const void* a, const void* b,
                    unsigned textOptions);

// True when every key of the list compares equal; an empty list never does.
template <class Mgr, class Rec>
bool CommKeysEqual(const Mgr& mgr, const int32_t* keys, int count, const Rec* a, const Rec* b) {
    if (count <= 0)
        return false;
    for (int i = 0; i < count; ++i)
        if (!mgr.IsFieldEqual(keys[i], a, b))
            return false;
    return true;
}

// The walk over the stored records: the record itself or an equal hit ends
// it; the last hit that differs gives the position to update.
template <class Mgr, class Rec>
int CommFindRec(const Mgr& mgr, CxList* records, const Rec* record, int* position) {
    int result = COMM_FIND_NEW;
    int index = 0;
    for (void* p = records ? records->GetFirst() : nullptr; p; p = records->GetNext(), ++index) {
        const Rec* stored = static_cast<const Rec*>(p);
        if (stored == record)
            return COMM_FIND_PRESENT;
        if (!CommKeysEqual(mgr, mgr.GetMatchKeys(), mgr.GetMatchKeyCount(), stored, record))
            continue;
        if (CommKeysEqual(mgr, mgr.GetCompareKeys(), mgr.GetCompareKeyCount(), stored, record))
            return COMM_FIND_PRESENT;
        result = COMM_FIND_CHANGED;
        if (position)
            *position = index;
    }
    return result;
}

// The stored record at `position`, or null past the end of the list.
template <class Rec> Rec* CommRecAt(CxList* records, int position) {
    if (!records || position < 0)
        return nullptr;
    return static_cast<Rec*>(records->GetAt(static_cast<uint32_t>(position)));
}

// Takes the given text of `size` bytes unless it is empty and empty texts
// are not copied; the stored text stays terminated.
void CommTakeText(char* stored, const char* given, std::size_t size, bool copyEmpty);

template <std::size_t N>
void CommTakeText(char (&stored)[N], const char (&given)[N], bool copyEmpty) {
    CommTakeText(stored, given, N, copyEmpty);
}
