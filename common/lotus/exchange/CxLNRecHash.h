// A 64-bit fingerprint of a record's bytes in an exchange file: what a
// record read again is checked against, so one that changed in the file
// since it was first read is told from one that did not. Kept in memory
// only, for the run that read the bytes.
#pragma once
#include <cstddef>
#include <cstdint>

class CxLNRecHash {
public:
    static uint64_t Of(const void* bytes, std::size_t count);
};
