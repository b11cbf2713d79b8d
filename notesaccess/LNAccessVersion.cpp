// Anchor of the shared library; its content comes from the engine archive.
extern "C" __attribute__((visibility("default"))) const char* ZembrikLNAccessVersion() {
    return "1.0.0";
}
