// Which text of a Notes contact matches which text of a common contact, and
// how many characters each direction carries.
#pragma once
#include <cstddef>

struct tagLNAddrTextMap {
    std::size_t nNotesOffset;
    std::size_t nNotesSize;
    std::size_t nCommOffset;
    std::size_t nCommSize;
    std::size_t nToNotes; // characters copied into the Notes record
    std::size_t nToComm;  // characters copied into the common record
};

extern const tagLNAddrTextMap kLNAddrTextMap[];
extern const std::size_t kLNAddrTextMapCount;
