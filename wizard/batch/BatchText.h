// Text helpers of the command-line front end: the terminal speaks UTF-8, the
// records Windows-1252.
#pragma once
#include <string>

// Equal without case, Windows-1252 letters included.
bool BatchSameText(const std::string& a, const std::string& b);
// Without blanks at either end.
std::string BatchTrim(const std::string& text);
// A record's field text as the terminal shows it; reads at most `max` bytes.
std::string BatchFieldText(const char* field, std::size_t max);
