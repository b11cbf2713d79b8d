// OSTranslate and OSTranslate32: LMBCS to and from the other character sets.
#include "notesapi/src/Api.h"
#include "notesapi/src/Translate.h"

#include <cstring>

namespace {

bool FormsOf(WORD mode, zns::TextForm& from, zns::TextForm& to) {
    using zns::TextForm;
    switch (mode) {
    case OS_TRANSLATE_NATIVE_TO_LMBCS:
    case OS_TRANSLATE_UTF8_TO_LMBCS:
        from = TextForm::Utf8;
        to = TextForm::Lmbcs;
        return true;
    case OS_TRANSLATE_LMBCS_TO_NATIVE:
    case OS_TRANSLATE_LMBCS_TO_UTF8:
        from = TextForm::Lmbcs;
        to = TextForm::Utf8;
        return true;
    case OS_TRANSLATE_LMBCS_TO_ASCII:
        from = TextForm::Lmbcs;
        to = TextForm::Ascii;
        return true;
    case OS_TRANSLATE_LMBCS_TO_UNICODE:
        from = TextForm::Lmbcs;
        to = TextForm::Utf16;
        return true;
    case OS_TRANSLATE_UNICODE_TO_LMBCS:
        from = TextForm::Utf16;
        to = TextForm::Lmbcs;
        return true;
    default:
        return false;
    }
}

// The bytes up to the terminator of an input given as terminated.
std::size_t Terminated(zns::TextForm form, const char* in) {
    if (form != zns::TextForm::Utf16)
        return std::strlen(in);
    std::size_t at = 0;
    for (char16_t unit;; at += 2) {
        std::memcpy(&unit, in + at, sizeof unit);
        if (unit == 0)
            return at;
    }
}

std::size_t Translate(WORD mode, const char* in, std::size_t inLength, bool terminated, char* out,
                      std::size_t outLength) {
    zns::TextForm from, to;
    if (!out || outLength == 0)
        return 0;
    if (!in || !FormsOf(mode, from, to)) {
        out[0] = '\0';
        return 0;
    }
    if (terminated)
        inLength = Terminated(from, in);
    const zns::Translation t =
        zns::TranslateText(from, to, reinterpret_cast<const uint8_t*>(in), inLength,
                           reinterpret_cast<uint8_t*>(out), outLength);
    const std::size_t zero = to == zns::TextForm::Utf16 ? 2 : 1;
    if (t.written + zero <= outLength)
        std::memset(out + t.written, 0, zero);
    return t.written;
}

} // namespace

WORD LNPUBLIC OSTranslate(WORD TranslateMode, const char* In, WORD InLength, char* Out,
                          WORD OutLength) {
    return static_cast<WORD>(
        Translate(TranslateMode, In, InLength, InLength == MAXWORD, Out, OutLength));
}

DWORD LNPUBLIC OSTranslate32(WORD TranslateMode, const char* In, DWORD InLength, char* Out,
                             DWORD OutLength) {
    return static_cast<DWORD>(
        Translate(TranslateMode, In, InLength, InLength == MAXDWORD, Out, OutLength));
}
