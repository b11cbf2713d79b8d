#include "CxLNApi.h"

#include <dlfcn.h>

#include "common/misc/CxDebugUtil.h"

namespace {

const char kLibraryPath[] = "./libnotes.so";

struct BindingState {
    CxLNApiTable table{};
    void* library = nullptr;
    bool installed = false;
    bool started = false;
};

BindingState& State() {
    static BindingState state;
    return state;
}

// Resolves every function; names the first one missing.
bool ResolveAll(void* library, CxLNApiTable* table) {
#define CX_LN_API_RESOLVE(name)                                                                    \
    table->name = reinterpret_cast<decltype(table->name)>(dlsym(library, #name));                  \
    if (!table->name) {                                                                            \
        CX_LOG_ERROR("Lotus Notes library %s has no function %s", kLibraryPath, #name);            \
        return false;                                                                              \
    }
    CX_LN_API_FUNCTIONS(CX_LN_API_RESOLVE)
#undef CX_LN_API_RESOLVE
    return true;
}

void ReleaseLibrary(BindingState& state) {
    if (state.library)
        dlclose(state.library);
    state.library = nullptr;
    state.table = CxLNApiTable{};
}

bool LoadLibrary(BindingState& state) {
    if (state.library)
        return true;
    void* library = dlopen(kLibraryPath, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        CX_LOG_ERROR("Can not load Lotus Notes library %s: %s", kLibraryPath,
                     reason ? reason : "unknown reason");
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
    BindingState& state = State();
    if (!state.installed && !LoadLibrary(state))
        return false;
    STATUS status = state.table.NotesInitExtended(0, nullptr);
    if (status != NOERROR) {
        CX_LOG_ERROR("Failed to call NotesInitExtended, error code=%d", status);
        if (!state.installed)
            ReleaseLibrary(state);
        return false;
    }
    state.started = true;
    return true;
}

void CxLNApi::Stop() {
    BindingState& state = State();
    if (state.started)
        state.table.NotesTerm();
    state.started = false;
    if (!state.installed)
        ReleaseLibrary(state);
}

void CxLNApi::Install(const CxLNApiTable& table) {
    Stop();
    BindingState& state = State();
    ReleaseLibrary(state);
    state.table = table;
    state.installed = true;
}

void CxLNApi::Uninstall() {
    BindingState& state = State();
    state.started = false;
    state.installed = false;
    ReleaseLibrary(state);
}

bool CxLNApi::IsStarted() {
    return State().started;
}

const CxLNApiTable& LNApi() {
    return State().table;
}
