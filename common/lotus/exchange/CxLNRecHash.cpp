#include "CxLNRecHash.h"

#include <cstring>

namespace {

const uint64_t kMix1 = 0x87c37b91114253d5ULL;
const uint64_t kMix2 = 0x4cf5ad432745937fULL;

uint64_t Rotate(uint64_t value, int bits) {
    return value << bits | value >> (64 - bits);
}

uint64_t Word(const unsigned char* at) {
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

uint64_t Step(uint64_t state, uint64_t word) {
    word = Rotate(word * kMix1, 31) * kMix2;
    return Rotate(state ^ word, 27) * 5 + 0x52dce729;
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

// Four lanes over 32-byte blocks, so that the multiplications of one block
// overlap instead of waiting on each other.
uint64_t CxLNRecHash::Of(const void* bytes, std::size_t count) {
    const unsigned char* at = static_cast<const unsigned char*>(bytes);
    uint64_t lane[4] = {0x9e3779b97f4a7c15ULL, 0xc2b2ae3d27d4eb4fULL, 0x165667b19e3779f9ULL,
                        0x27d4eb2f165667c5ULL};
    std::size_t left = count;
    for (; left >= 32; left -= 32, at += 32)
        for (int i = 0; i < 4; ++i)
            lane[i] = Step(lane[i], Word(at + 8 * i));
    uint64_t state = lane[0] ^ Rotate(lane[1], 17) ^ Rotate(lane[2], 34) ^ Rotate(lane[3], 51);
    for (; left >= 8; left -= 8, at += 8)
        state = Step(state, Word(at));
    if (left > 0) {
        unsigned char tail[8] = {0};
        std::memcpy(tail, at, left);
        state = Step(state, Word(tail));
    }
    return Finish(state ^ count);
}
