#include "WinUtil.h"

#include <cstring>

#include "common/misc/CxString.h"
#include "platform/ModulePath.h"
#include "platform/Registry.h"
#include "platform/ShellOpen.h"

bool GetModulePath(const void* module, char* buffer) {
    if (!buffer)
        return false;
    char file[CX_MAX_PATH] = "";
    bool found = module ? platform::GetModuleFileName(module, file, sizeof file)
                        : platform::GetProgramFileName(file, sizeof file);
    const char* slash = found ? std::strrchr(file, '/') : nullptr;
    // The folder keeps its final separator; an unknown module gives an empty path.
    CxStrCopyN(buffer, CX_MAX_PATH, file, slash ? static_cast<std::size_t>(slash - file + 1) : 0);
    return true;
}

bool GetLotusNotesPath(char* buffer, std::size_t size) {
    if (!buffer || size == 0)
        return false;
    if (!platform::ReadLocalMachineString("SOFTWARE\\Lotus\\Notes", "Path", buffer, size))
        return false;
    // Callers append file names directly, so the folder must end in a separator.
    std::size_t length = std::strlen(buffer);
    if (length > 0 && buffer[length - 1] != '/' && length + 1 < size) {
        buffer[length] = '/';
        buffer[length + 1] = '\0';
    }
    return true;
}

bool OpenWithShell(const char* file) {
    if (!file || !*file)
        return false;
    platform::ShellOpen(file);
    return true;
}
