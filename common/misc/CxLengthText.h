// A length-prefixed text of the system's record files, read into a fixed
// buffer: the one rule for every reader of such texts.
#pragma once
#include <cstddef>
#include <cstdint>

// After its length `length` has been read: a length of 0 or less reads
// nothing more and leaves `buffer`; a longer text than `size`-1 is cut, its
// rest read and dropped, so the next field stays in step. `take(bytes, n)`
// reads up to n bytes into `bytes` (null: drops them) and returns how many.
template <class Take>
void CxReadLengthText(int32_t length, char* buffer, uint32_t size, Take&& take) {
    if (length <= 0)
        return;
    const uint32_t total = static_cast<uint32_t>(length);
    if (size == 0) {
        take(nullptr, total);
        return;
    }
    const uint32_t kept = total < size ? total : size - 1;
    const std::size_t got = take(buffer, kept);
    buffer[got] = '\0';
    take(nullptr, total - kept);
}
