// What every helper host does: read the parameter file named on its command
// line, remove it at once (it carries the Notes password), run, end.
#pragma once
#include <cstdio>

#include "common/misc/CxDebugUtil.h"

namespace hosts {

// A data object that could not read its parameters still knows its error file
// when the file was readable; tell the wizard through it. Nothing is written
// into a folder the parameters did not name by its whole path: the host runs
// in the Notes program folder, and a relative name would lead there.
template <class Util> void ReportBadParams(Util& util, const char* path) {
    char text[600];
    std::snprintf(text, sizeof text, "Can not read parameter file: %s", path);
    std::fprintf(stderr, "%s\n", text);
    if (GetDebugUtil()->GetPath()[0] == '/')
        CX_LOG_ERROR("%s", text);
    if (util.GetTempFilePath()[0] == '/' && util.GetErrorFile()[0]) {
        util.InitErrorReport();
        util.ReportError(text);
        util.FiniErrorReport();
    }
}

template <class Util, class RunFn> bool ReadAndRun(Util& util, const char* path, RunFn run) {
    // Neither read nor removed: a relative name means a file of the Notes
    // program folder, not the one the front end wrote.
    if (path[0] != '/') {
        std::fprintf(stderr, "The parameter file %s is not named by its whole path; it was "
                             "neither read nor removed.\n", path);
        return false;
    }
    bool read = util.ReadParamFile(path);
    std::remove(path);
    if (!read) {
        ReportBadParams(util, path);
        return false;
    }
    return run(util);
}

// Returns the process exit code: 0 when the run succeeded.
template <class Util, class RunFn> int HostMain(int argc, char** argv, RunFn run) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PARAMETER-FILE\n", argc > 0 ? argv[0] : "host");
        return 2;
    }
    // SIGTERM, and the end of the front end that started this host, stop the
    // run at the next document.
    Util::StopOnRequest();
    Util util;
    bool ok = ReadAndRun(util, argv[1], run);
    // Destroying a data object removes its status and error files; they are
    // the wizard's to read once this process has ended.
    util.SetStatusFile(nullptr);
    util.SetErrorFile(nullptr);
    return ok ? 0 : 1;
}

} // namespace hosts
