#include "Registry.h"

#include "platform/Environment.h"
#include "platform/ProfileFile.h"

namespace platform {

std::string RegistryFilePath() {
    std::string path = EnvironmentValue("ZEMBRIK_REGISTRY");
    if (!path.empty())
        return FromStartFolder(path);
    std::string config = EnvironmentValue("XDG_CONFIG_HOME");
    if (config.empty())
        config = HomeFolder() + "/.config";
    return FromStartFolder(config + "/zembrik/registry.ini");
}

bool ReadLocalMachineString(const char* keyPath, const char* valueName, char* buffer,
                            std::size_t size) {
    if (!buffer || size == 0)
        return false;
    buffer[0] = '\0';
    if (!keyPath || !valueName)
        return false;
    std::string value;
    std::string section = std::string("HKEY_LOCAL_MACHINE\\") + keyPath;
    if (!ReadProfileValue(RegistryFilePath().c_str(), section.c_str(), valueName, &value))
        return false;
    CopyToBuffer(value, buffer, size);
    return true;
}

} // namespace platform
