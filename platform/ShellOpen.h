#pragma once

namespace platform {

// Opens a document, folder or address with the desktop: the command in
// $ZEMBRIK_SHELL_OPEN when set, else xdg-open. Started detached, never awaited.
void ShellOpen(const char* target);

} // namespace platform
