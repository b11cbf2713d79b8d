// The user ID switch of the mail-database kinds, and the text of a status.
#pragma once
#include <cstddef>

#include "notesapi/include/notesapi.h"

// The Notes text of `status` (its low 14 bits), empty when there is none.
void LNStatusText(STATUS status, char* text, std::size_t size);

// Logs "Switch To User ID:%s", then switches to the user of `idFile`. On
// success `userName` (256 bytes) holds the ID's user; a failure is logged
// with the status text and leaves `userName` alone, so that the caller goes
// on under the current ID.
bool LNSwitchToUserID(const char* idFile, const char* password, char* userName);
