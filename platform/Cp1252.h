// Windows-1252, the code page of every 8-bit text the system stores.
// Conversions to 8-bit turn an unmappable character into '?'.
#pragma once
#include <string>
#include <string_view>

namespace platform {

std::u16string Cp1252ToWide(std::string_view text);
std::string WideToCp1252(std::u16string_view text);

std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

} // namespace platform
