#include "AnsiText.h"

#include <string>

#include "common/misc/CxString.h"
#include "platform/Cp1252.h"

QString FromAnsi(const char* text) {
    const std::u16string wide = platform::Cp1252ToWide(text ? text : "");
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

void ToAnsi(const QString& text, char* buffer, std::size_t size) {
    const std::u16string_view wide(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<std::size_t>(text.size()));
    CxStrCopy(buffer, size, platform::WideToCp1252(wide).c_str());
}
