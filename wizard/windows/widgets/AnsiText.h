// Texts cross between the windows and the records only through the
// Windows-1252 code page the records are stored in.
#pragma once
#include <cstddef>

#include <QString>

QString FromAnsi(const char* text);
// Cut to the buffer, never written past it; an unmappable character becomes '?'.
void ToAnsi(const QString& text, char* buffer, std::size_t size);
template <std::size_t N> void ToAnsi(const QString& text, char (&buffer)[N]) {
    ToAnsi(text, buffer, N);
}
