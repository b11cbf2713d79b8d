// How names, keys and conditions compare: without case, the letters of
// Windows-1252 included; keys and conditions also without the blanks at
// either end.
#pragma once
#include <cstddef>
#include <string>

// Equal without case.
bool FUSameText(const std::string& a, const std::string& b);
// Without blanks (spaces, tabs) at either end.
std::string FUTrimText(const std::string& text);
// The form in which two keys are equal exactly when FUSameKey says so.
std::string FUKeyText(const std::string& text);
// The same into `key`, whose room is kept from call to call.
void FUKeyTextInto(const char* text, std::size_t size, std::string* key);
// Equal without case and without the blanks at either end.
bool FUSameKey(const std::string& a, const std::string& b);
