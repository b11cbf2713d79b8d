// Stand-ins for the application data folders. Results carry no trailing '/'
// and are absolute: a relative variable names a folder below the one the
// process started in.
#pragma once
#include <string>

namespace platform {

// All-users application data: $ZEMBRIK_APPDATA, else $XDG_DATA_HOME, else
// ~/.local/share. Per user on purpose: it holds the Notes password while a
// helper runs. Created when missing; false when it cannot be.
bool GetCommonAppDataFolder(std::string* folder);

// Current user's local application data: $ZEMBRIK_LOCAL_APPDATA, else
// $XDG_DATA_HOME, else ~/.local/share. Not created.
bool GetLocalAppDataFolder(std::string* folder);

} // namespace platform
