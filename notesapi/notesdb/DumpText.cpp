#include "DumpText.h"

#include "notesapi/src/Translate.h"
#include "platform/Cp1252.h"

namespace {

std::size_t g_replaced = 0;

} // namespace

std::string LmbcsFromDump(const std::string& text) {
    const std::string utf8 = zns::IsUtf8(text) ? text : platform::Cp1252ToUtf8(text);
    return zns::TranslateText(zns::TextForm::Utf8, zns::TextForm::Lmbcs, utf8, &g_replaced);
}

std::string DumpFromLmbcs(const std::string& lmbcs) {
    return zns::TranslateText(zns::TextForm::Lmbcs, zns::TextForm::Utf8, lmbcs, &g_replaced);
}

bool DumpKeeps(const std::string& lmbcs, std::string* text) {
    using zns::TextForm;
    std::size_t lost = 0;
    *text = zns::TranslateText(TextForm::Lmbcs, TextForm::Utf8, lmbcs, &lost);
    return lost == 0 &&
           zns::TranslateText(TextForm::Utf8, TextForm::Lmbcs, *text, &lost) == lmbcs && lost == 0;
}

std::size_t DumpReplacements() {
    return g_replaced;
}
