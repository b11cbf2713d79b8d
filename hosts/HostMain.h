// What every helper host does: read the parameter file named on its command
// line, remove it at once (it carries the Notes password), run, end.
#pragma once
#include <cstdio>

#include "common/misc/CxDebugUtil.h"

namespace hosts {

// A data object that could not read its parameters still knows its error file
// when the file was readable; tell the wizard through it.
template <class Util> void ReportBadParams(Util& util, const char* path) {
    char text[600];
    std::snprintf(text, sizeof text, "Can not read parameter file: %s", path);
    CX_LOG_ERROR("%s", text);
    if (util.GetTempFilePath()[0] && util.GetErrorFile()[0]) {
        util.InitErrorReport();
        util.ReportError(text);
        util.FiniErrorReport();
    }
}

template <class Util, class RunFn> bool ReadAndRun(Util& util, const char* path, RunFn run) {
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
    Util util;
    bool ok = ReadAndRun(util, argv[1], run);
    // Destroying a data object removes its status and error files; they are
    // the wizard's to read once this process has ended.
    util.SetStatusFile(nullptr);
    util.SetErrorFile(nullptr);
    return ok ? 0 : 1;
}

} // namespace hosts
