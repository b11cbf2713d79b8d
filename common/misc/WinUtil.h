// Lookups of the running system shared by both deliverables.
#pragma once
#include <cstddef>

constexpr std::size_t CX_MAX_PATH = 260;

// Folder of the module holding `module` (an address inside it; null for the
// program), ending in '/'. `buffer` holds CX_MAX_PATH bytes. False only
// without a buffer.
bool GetModulePath(const void* module, char* buffer);

// The Lotus Notes program folder from the registry file, ending in '/'.
bool GetLotusNotesPath(char* buffer, std::size_t size);

// Opens a document, folder, program or address with the shell; false only
// for an absent or empty name.
bool OpenWithShell(const char* file);
