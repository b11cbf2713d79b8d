// A 64-bit fingerprint of a record's bytes in an exchange file: what a
// record read again is checked against, so one that changed in the file
// since it was first read is told from one that did not. Bytes may come in
// pieces of any size; the value depends on the bytes alone.
#pragma once
#include <cstddef>
#include <cstdint>

class CxLNRecHash {
public:
    void Add(const void* bytes, std::size_t count);
    uint64_t Value() const;

    static uint64_t Of(const void* bytes, std::size_t count) {
        CxLNRecHash hash;
        hash.Add(bytes, count);
        return hash.Value();
    }

private:
    void Word_(uint64_t word);

    uint64_t m_nState = 0x9e3779b97f4a7c15ULL;
    uint64_t m_nTail = 0; // bytes waiting for a whole word
    unsigned m_nTailBytes = 0;
    uint64_t m_nCount = 0;
};
