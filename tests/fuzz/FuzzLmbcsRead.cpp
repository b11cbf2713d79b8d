// LMBCS as the stand-in reads it into UTF-8, UTF-16 and ASCII: no read past
// the input, no write past the output, and what comes out is whole: UTF-8
// that reads back to the same characters, a cut that ends on a character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "notesapi/src/Lmbcs.h"
#include "notesapi/src/Translate.h"

namespace {

using fuzz::Check;
using zns::TextForm;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses the room the output gets.
    const std::size_t room = data[0];
    const std::vector<uint8_t> in(data + 1, data + size);
    const uint8_t* text = in.data();
    for (TextForm to : {TextForm::Utf8, TextForm::Utf16, TextForm::Ascii}) {
        std::vector<uint8_t> out(room + 1, 0xEE);
        const zns::Translation t =
            zns::TranslateText(TextForm::Lmbcs, to, text, in.size(), out.data(), room);
        Check(t.read <= in.size() && t.written <= room && out[room] == 0xEE);
        Check(t.read == in.size() || t.written + 4 > room); // stopped only for room
    }
    const std::string lmbcs(in.begin(), in.end());
    std::size_t replaced = 0;
    const std::string utf8 = zns::TranslateText(TextForm::Lmbcs, TextForm::Utf8, lmbcs, &replaced);
    Check(zns::IsUtf8(utf8));
    // Its characters written again as LMBCS read as the same characters.
    std::size_t again = 0;
    const std::string rewritten = zns::TranslateText(TextForm::Utf8, TextForm::Lmbcs, utf8, &again);
    std::size_t lost = 0;
    Check(again > 0 ||
          zns::TranslateText(TextForm::Lmbcs, TextForm::Utf8, rewritten, &lost) == utf8);
    Check(lost == 0);
    for (std::size_t limit : {std::size_t(0), in.size() / 2, in.size()}) {
        const std::size_t cut = zns::LmbcsCut(text, in.size(), limit);
        Check(cut <= limit);
        Check(cut == in.size() || zns::LmbcsCut(text, in.size(), cut) == cut);
    }
    return 0;
}
