// A rich-text item's CD records (the value after its type word), read as a
// load reads a body; the text always fits the field and is terminated.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "common/lotus/engine/CxLNRichText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // A copy of exactly the value's bytes, so a read past them is seen.
    std::vector<char> value(data, data + size);
    char small[16], body[8192];
    LNRichTextToText(value.data(), value.size(), small, sizeof small);
    LNRichTextToText(value.data(), value.size(), body, sizeof body);
    fuzz::Check(std::strlen(small) < sizeof small && std::strlen(body) < sizeof body);
    return 0;
}
