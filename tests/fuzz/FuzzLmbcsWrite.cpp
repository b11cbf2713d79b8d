// UTF-8 and UTF-16 as the stand-in writes them into LMBCS: no read past the
// input, no write past the output, and the LMBCS it writes is whole and
// reads back to the characters given, each one without a form as '?'.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "notesapi/src/Translate.h"

namespace {

using fuzz::Check;
using zns::TextForm;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses the input's form and the room the output gets.
    const TextForm from = data[0] & 1 ? TextForm::Utf16 : TextForm::Utf8;
    const std::size_t room = data[0] >> 1;
    const std::vector<uint8_t> in(data + 1, data + size);
    std::vector<uint8_t> out(room + 1, 0xEE);
    const zns::Translation t =
        zns::TranslateText(from, TextForm::Lmbcs, in.data(), in.size(), out.data(), room);
    Check(t.read <= in.size() && t.written <= room && out[room] == 0xEE);
    Check(t.read == in.size() || t.written + 3 > room);

    const std::string text(in.begin(), in.end());
    std::size_t replaced = 0;
    const std::string lmbcs = zns::TranslateText(from, TextForm::Lmbcs, text, &replaced);
    std::size_t broken = 0;
    const std::string utf8 = zns::TranslateText(TextForm::Lmbcs, TextForm::Utf8, lmbcs, &broken);
    Check(broken == 0);
    if (replaced == 0)
        Check(utf8 == zns::TranslateText(from, TextForm::Utf8, text, nullptr));
    return 0;
}
