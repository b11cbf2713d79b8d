#include "notesapi/src/Lmbcs.h"

#include <unordered_map>

namespace zns {

namespace {

const uint8_t kControlGroup = 0x0F;
const uint8_t kUnicodeGroup = 0x14;
// A Unicode unit whose low byte is 0 is written with this byte first.
const uint8_t kZeroLow = 0xF6;
const uint8_t kFirstDoubleByteGroup = 0x10;
const uint8_t kLastDoubleByteGroup = 0x13;
const uint8_t kGreekGroup = 0x02;
// The explicit groups, in the order an encoder tries them.
const uint8_t kGroups[] = {0x01, 0x03, 0x04, 0x05, 0x06, 0x08, 0x0B};

bool StandsForItself(uint8_t b) {
    return (b >= 0x20 && b < 0x80) || b == 0x00 || b == 0x09 || b == 0x0A || b == 0x0D || b == 0x19;
}

DecodedChar Control(uint8_t data) {
    if (data >= 0x20 && data < 0x40)
        return DecodedChar::Good(static_cast<char32_t>(data - 0x20), 2);
    if (data >= 0x80 && data < 0xA0)
        return DecodedChar::Good(data, 2);
    return DecodedChar::Bad(2);
}

DecodedChar Unicode(uint8_t high, uint8_t low) {
    const char32_t code = high == kZeroLow ? static_cast<char32_t>(low) << 8
                                           : (static_cast<char32_t>(high) << 8) | low;
    return code >= 0xD800 && code <= 0xDFFF ? DecodedChar::Bad(3) : DecodedChar::Good(code, 3);
}

// Data bytes below 0x80 belong to the Lotus exception table, not at hand.
DecodedChar SingleByte(uint8_t group, uint8_t data) {
    const char16_t* table = LmbcsGroupTable(group);
    if (!table || data < 0x80 || table[data - 0x80] == 0)
        return DecodedChar::Bad(2);
    return DecodedChar::Good(table[data - 0x80], 2);
}

// Where each character of the single-byte groups is written: group << 8
// and byte, the first group that has it winning.
const std::unordered_map<char32_t, uint16_t>& GroupOfCharacter() {
    static const std::unordered_map<char32_t, uint16_t> map = [] {
        std::unordered_map<char32_t, uint16_t> m;
        for (uint8_t group : kGroups) {
            const char16_t* table = LmbcsGroupTable(group);
            for (unsigned i = 0; i < 128; ++i)
                if (table[i] != 0)
                    m.emplace(table[i], static_cast<uint16_t>(group << 8 | (0x80 + i)));
        }
        return m;
    }();
    return map;
}

} // namespace

DecodedChar DecodedChar::Good(char32_t code, std::size_t length) {
    DecodedChar c;
    c.code = code;
    c.length = length;
    return c;
}

DecodedChar DecodedChar::Bad(std::size_t length) {
    DecodedChar c;
    c.code = kReplacement;
    c.length = length;
    c.bad = true;
    return c;
}

DecodedChar DecodeLmbcs(const uint8_t* text, std::size_t left) {
    if (left == 0)
        return DecodedChar::Bad(0);
    const uint8_t b = text[0];
    if (StandsForItself(b))
        return DecodedChar::Good(b, 1);
    if (b >= 0x80)
        return DecodedChar::Good(LmbcsGroupTable(0x01)[b - 0x80], 1);
    std::size_t length = 2;
    if (b == kUnicodeGroup || (b >= kFirstDoubleByteGroup && b <= kLastDoubleByteGroup))
        length = 3;
    else if (b != kControlGroup && b != kGreekGroup && !LmbcsGroupTable(b))
        return DecodedChar::Bad(1);
    if (left < length)
        return DecodedChar::Bad(left);
    if (b == kControlGroup)
        return Control(text[1]);
    if (b == kUnicodeGroup)
        return Unicode(text[1], text[2]);
    if (length == 3)
        return DecodedChar::Bad(3); // the double-byte sets are not at hand
    return SingleByte(b, text[1]);
}

std::size_t LmbcsCut(const uint8_t* text, std::size_t size, std::size_t limit) {
    std::size_t at = 0;
    while (at < size) {
        const std::size_t next = at + DecodeLmbcs(text + at, size - at).length;
        if (next > limit)
            break;
        at = next;
    }
    return at;
}

std::size_t EncodeLmbcs(char32_t code, uint8_t* out, bool& bad) {
    bad = false;
    if (code < 0x80 && StandsForItself(static_cast<uint8_t>(code))) {
        out[0] = static_cast<uint8_t>(code);
        return 1;
    }
    if (code < 0x20 || (code >= 0x80 && code < 0xA0)) {
        out[0] = kControlGroup;
        out[1] = static_cast<uint8_t>(code < 0x20 ? code + 0x20 : code);
        return 2;
    }
    const auto& map = GroupOfCharacter();
    const auto found = map.find(code);
    if (found != map.end()) {
        const uint8_t group = static_cast<uint8_t>(found->second >> 8);
        const uint8_t byte = static_cast<uint8_t>(found->second & 0xff);
        if (group == 0x01) {
            out[0] = byte;
            return 1;
        }
        out[0] = group;
        out[1] = byte;
        return 2;
    }
    const uint8_t high = static_cast<uint8_t>(code >> 8), low = static_cast<uint8_t>(code);
    if (code > 0xFFFF || (code >= 0xD800 && code <= 0xDFFF) || (high == kZeroLow && low != 0)) {
        out[0] = '?';
        bad = true;
        return 1;
    }
    out[0] = kUnicodeGroup;
    out[1] = low == 0 ? kZeroLow : high;
    out[2] = low == 0 ? high : low;
    return 3;
}

} // namespace zns
