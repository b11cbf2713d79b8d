#include "CxLNRecHash.h"

namespace {

uint64_t Rotate(uint64_t value, int bits) {
    return value << bits | value >> (64 - bits);
}

// The finishing mix of MurmurHash3: every bit of the state reaches every bit.
uint64_t Finish(uint64_t value) {
    value ^= value >> 33;
    value *= 0xff51afd7ed558ccdULL;
    value ^= value >> 33;
    value *= 0xc4ceb9fe1a85ec53ULL;
    return value ^ value >> 33;
}

} // namespace

void CxLNRecHash::Word_(uint64_t word) {
    word *= 0x87c37b91114253d5ULL;
    word = Rotate(word, 31) * 0x4cf5ad432745937fULL;
    m_nState = Rotate(m_nState ^ word, 27) * 5 + 0x52dce729;
}

void CxLNRecHash::Add(const void* bytes, std::size_t count) {
    const unsigned char* at = static_cast<const unsigned char*>(bytes);
    m_nCount += count;
    while (count > 0 && m_nTailBytes > 0) {
        m_nTail |= static_cast<uint64_t>(*at++) << (8 * m_nTailBytes);
        --count;
        if (++m_nTailBytes == 8) {
            Word_(m_nTail);
            m_nTail = 0;
            m_nTailBytes = 0;
        }
    }
    for (; count >= 8; count -= 8, at += 8) {
        uint64_t word = 0;
        for (int i = 7; i >= 0; --i)
            word = word << 8 | at[i];
        Word_(word);
    }
    for (; count > 0; --count)
        m_nTail |= static_cast<uint64_t>(*at++) << (8 * m_nTailBytes++);
}

uint64_t CxLNRecHash::Value() const {
    uint64_t state = m_nState;
    if (m_nTailBytes > 0)
        state = Rotate(state ^ m_nTail * 0x87c37b91114253d5ULL, 27);
    return Finish(state ^ m_nCount);
}
