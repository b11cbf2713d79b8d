// Items shared by the documents of the mail-database kinds.
#pragma once
#include <cstddef>
#include <cstdint>

#include "notesapi/include/notesapi.h"

// A "$PublicAccess" text: private unless it begins with "1".
uint8_t LNIsPrivate(const char* value, std::size_t length);

// Set without comparing; a failure is logged.
void LNNewText(NOTEHANDLE note, const char* item, const char* text);
void LNNewNumber(NOTEHANDLE note, const char* item, NUMBER number);

// The alarm, organiser table, access, sender and icon items of a new
// appointment ("C0") or task ("T0").
void LNNewMailItems(NOTEHANDLE note, const char* orgTable, bool isPrivate);
