// API start and stop.
#include "notesapi/src/Paths.h"
#include "notesapi/src/Session.h"

#include <string>

namespace {

// The notes.ini an "=file" argument names (any but the first): relative to
// the program folder, the folder of argv[0]; none without such an argument.
std::string IniArgument(int argc, char** argv) {
    if (!argv || argc < 2)
        return std::string();
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!arg || arg[0] != '=' || !arg[1])
            continue;
        const std::string program = argv[0] ? argv[0] : "";
        const std::size_t slash = program.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "" : program.substr(0, slash + 1);
        return zns::JoinPath(folder, zns::NormalisePath(arg + 1));
    }
    return std::string();
}

} // namespace

STATUS LNPUBLIC NotesInitExtended(int argc, char** argv) {
    ZNS_API_LOCK;
    return zns::StartSession(IniArgument(argc, argv));
}

STATUS LNPUBLIC NotesInit(void) {
    return NotesInitExtended(0, nullptr);
}

void LNPUBLIC NotesTerm(void) {
    ZNS_API_LOCK;
    zns::EndSession();
}
