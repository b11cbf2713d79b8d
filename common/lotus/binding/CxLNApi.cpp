#include "CxLNApi.h"

#include <dlfcn.h>

#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

const char kLibraryPath[] = "./libnotes.so";

struct tagLNBindingState {
    tagLNApiTable table{};
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
    state.table = tagLNApiTable{};
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
    if (ResolveAll(library, &state.table))
        return true;
    ReleaseLibrary(state);
    return false;
}

} // namespace

bool CxLNApi::Start() {
    tagLNBindingState& state = State();
    state.startError[0] = '\0';
    if (!state.installed && !LoadLibrary(state))
        return false;
    STATUS status = state.table.NotesInitExtended(0, nullptr);
    if (status != NOERROR) {
        CX_LOG_ERROR("Failed to call NotesInitExtended, error code=%d", status);
        char text[512] = "";
        if (state.table.OSLoadString)
            state.table.OSLoadString(nullptr, ERR(status), text, sizeof text);
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
    state.table = table;
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
