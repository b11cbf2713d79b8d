// Anchor of the shared library; its content comes from the engine archive.
#include "ZembrikVersion.h"

extern "C" __attribute__((visibility("default"))) const char* ZembrikLNAccessVersion() {
    return ZEMBRIK_VERSION;
}
