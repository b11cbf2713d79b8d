#include "CxLNApi.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "common/lotus/binding/CxLNApiText.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

const char kLibraryPath[] = "./libnotes.so";
const char kIniFile[] = "notes.ini";

struct tagLNBindingState {
    tagLNApiTable stored{}; // the API's calls
    tagLNApiTable table{};  // the same with text translated
    void* library = nullptr;
    bool installed = false;
    bool started = false;
    char startError[1024] = "";
};

tagLNBindingState& State() {
    static tagLNBindingState state;
    return state;
}

// Resolves every function; names the first one missing.
bool ResolveAll(void* library, tagLNApiTable* table) {
#define CX_LN_API_RESOLVE(name)                                                                    \
    table->name = reinterpret_cast<decltype(table->name)>(dlsym(library, #name));                  \
    if (!table->name) {                                                                            \
        CxStrFormat(State().startError, sizeof State().startError,                                 \
                    "Lotus Notes library %s has no function %s", kLibraryPath, #name);             \
        CX_LOG_ERROR("%s", State().startError);                                                    \
        return false;                                                                              \
    }
    CX_LN_API_FUNCTIONS(CX_LN_API_RESOLVE)
#undef CX_LN_API_RESOLVE
    return true;
}

void ReleaseLibrary(tagLNBindingState& state) {
    if (state.library)
        dlclose(state.library);
    state.library = nullptr;
    state.stored = tagLNApiTable{};
    state.table = tagLNApiTable{};
}

void UseTable(tagLNBindingState& state, const tagLNApiTable& stored) {
    state.stored = stored;
    state.table = LNTextTable(stored);
}

bool LoadLibrary(tagLNBindingState& state) {
    if (state.library)
        return true;
    void* library = dlopen(kLibraryPath, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        CxStrFormat(state.startError, sizeof state.startError,
                    "Can not load Lotus Notes library %s: %s", kLibraryPath,
                    reason ? reason : "unknown reason");
        CX_LOG_ERROR("%s", state.startError);
        return false;
    }
    state.library = library;
    tagLNApiTable stored{};
    if (ResolveAll(library, &stored)) {
        UseTable(state, stored);
        return true;
    }
    ReleaseLibrary(state);
    return false;
}

std::string CurrentFolder() {
    char folder[PATH_MAX];
    return getcwd(folder, sizeof folder) ? std::string(folder) : std::string(".");
}

// The program folder as NotesInitExtended reads it from argv[0]: where the
// library really lies, a link in the Notes folder followed into the
// installation it points at.
std::string ProgramFolder(const std::string& notesFolder) {
    char real[PATH_MAX];
    if (!realpath(kLibraryPath, real))
        return notesFolder;
    const std::string path = real;
    return path.substr(0, path.find_last_of('/'));
}

// NotesInitExtended's arguments, as a program in the Notes folder would
// give them: argv[0] in the program folder, and "=" with the Notes folder's
// notes.ini when it has one (else the runtime finds its own).
struct tagLNStartArgs {
    std::string sProgram, sIni;
    char* argv[3] = {};
    int argc = 1;

    tagLNStartArgs() {
        const std::string notes = CurrentFolder();
        sProgram = ProgramFolder(notes) + "/notes";
        argv[0] = &sProgram[0];
        struct stat info;
        const std::string ini = notes + "/" + kIniFile;
        if (stat(ini.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            sIni = "=" + ini;
            argv[argc++] = &sIni[0];
        }
    }
};

} // namespace

bool CxLNApi::Start() {
    tagLNBindingState& state = State();
    state.startError[0] = '\0';
    if (!state.installed && !LoadLibrary(state))
        return false;
    tagLNStartArgs args;
    STATUS status = state.table.NotesInitExtended(args.argc, args.argv);
    if (status != NOERROR) {
        CX_LOG_ERROR("Failed to call NotesInitExtended, error code=%d", status);
        char text[512] = "";
        if (state.table.OSLoadString)
            state.table.OSLoadString(NULLHANDLE, ERR(status), text, sizeof text);
        CxStrFormat(state.startError, sizeof state.startError,
                    "Failed to call NotesInitExtended, error code=%d; message=%s", status, text);
        if (!state.installed)
            ReleaseLibrary(state);
        return false;
    }
    state.started = true;
    return true;
}

void CxLNApi::Stop() {
    tagLNBindingState& state = State();
    if (state.started)
        state.table.NotesTerm();
    state.started = false;
    if (!state.installed)
        ReleaseLibrary(state);
}

void CxLNApi::Install(const tagLNApiTable& table) {
    Stop();
    tagLNBindingState& state = State();
    ReleaseLibrary(state);
    UseTable(state, table);
    state.installed = true;
}

void CxLNApi::Uninstall() {
    tagLNBindingState& state = State();
    state.started = false;
    state.installed = false;
    ReleaseLibrary(state);
}

bool CxLNApi::IsStarted() {
    return State().started;
}

const char* CxLNApi::StartError() {
    return State().startError;
}

const tagLNApiTable& LNApi() {
    return State().table;
}

const tagLNApiTable& LNStoredApi() {
    return State().stored;
}
