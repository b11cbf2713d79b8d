// The user ID switch of the mail-database kinds, and the text of a status.
#pragma once
#include <cstddef>

#include "global.h"

// The Notes text of `status` (its low 14 bits), empty when there is none.
void LNStatusText(STATUS status, char* text, std::size_t size);

class CxLNBaseUtil;

// Logs "Switch To User ID:%s", then switches to the user of `idFile`. On
// success `userName` (256 bytes) holds the ID's user; a failure is logged
// with the status text, leaves `userName` alone and gives its status.
bool LNSwitchToUserID(const char* idFile, const char* password, char* userName, STATUS* failure);

// The run's user: the switch to its ID file. When that fails and a password
// was given, the failure is reported and the run must stop (false): nothing
// may be read or written as anyone else. Without a password the run goes on
// as the current Notes user, whom the run's notice names.
bool LNRunAsUser(CxLNBaseUtil* util);
