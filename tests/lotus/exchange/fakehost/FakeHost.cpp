// Stands in for a helper host program in tests of the helper runs. It takes
// the parameter file path as its one argument and follows the script in
// $LNFAKE_SCRIPT, steps separated by ';':
//   record        append its arguments, its current directory, its parent's
//                 and the run mode to $LNFAKE_RECORD
//   records=N     write an exchange data file of N records of its kind
//   init          start the error report
//   error=TEXT    report an error
//   raw=KEY=VALUE write a key into the error file's section directly
//   status=TEXT   report a status line
//   hang          wait until the file "release" appears in the temporary folder
//                 or the folder goes
//   exit=N        end with exit code N
//   signal=N      end at once by signal N
// The kind follows from the program's name, as a host's would.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <unistd.h>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNParamParser.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "platform/ProfileFile.h"

namespace {

struct Params {
    char szFileName[256] = "";
    char szTempPath[256] = "";
    char szErrorFile[256] = "";
    char szStatusFile[256] = "";
    int nMode = 0;
};

bool ReadParams(const char* path, Params* params) {
    CxLNParamParser parser;
    if (!parser.LoadFromFile(path))
        return false;
    GetTextParam(&parser, LN_PARAM_FILE_NAME, params->szFileName, sizeof params->szFileName);
    GetTextParam(&parser, LN_PARAM_TEMP_PATH, params->szTempPath, sizeof params->szTempPath);
    GetTextParam(&parser, LN_PARAM_ERROR_FILE, params->szErrorFile, sizeof params->szErrorFile);
    GetTextParam(&parser, LN_PARAM_STATUS_FILE, params->szStatusFile, sizeof params->szStatusFile);
    params->nMode = GetNumberParam(&parser, LN_PARAM_MODE);
    return true;
}

void Record(int argc, char** argv, const Params& params) {
    const char* file = std::getenv("LNFAKE_RECORD");
    std::FILE* out = file ? std::fopen(file, "ab") : nullptr;
    if (!out)
        return;
    char cwd[4096] = "";
    if (!getcwd(cwd, sizeof cwd))
        cwd[0] = '\0';
    std::fprintf(out, "argc=%d\n", argc);
    for (int i = 0; i < argc; ++i)
        std::fprintf(out, "argv%d=%s\n", i, argv[i]);
    char parentCwd[4096] = "";
    const std::string link = "/proc/" + std::to_string(getppid()) + "/cwd";
    const ssize_t length = readlink(link.c_str(), parentCwd, sizeof parentCwd - 1);
    parentCwd[length > 0 ? length : 0] = '\0';
    std::fprintf(out, "cwd=%s\nparentcwd=%s\nmode=%d\n", cwd, parentCwd, params.nMode);
    std::fclose(out);
}

template <class Util, class Rec> void WriteRecords(Util* util, int count) {
    for (int i = 1; i <= count; ++i) {
        Rec rec;
        Util::InitRec(&rec);
        util->AddRec(&rec);
    }
    util->SaveToFile(nullptr);
}

void Hang(const Params& params) {
    const std::string release = std::string(params.szTempPath) + "release";
    // A test that has ended takes its folder with it.
    for (int i = 0;
         i < 3000 && access(release.c_str(), F_OK) != 0 && access(params.szTempPath, F_OK) == 0;
         ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void WriteRaw(const Params& params, const std::string& assignment) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos)
        return;
    const std::string path = std::string(params.szTempPath) + params.szErrorFile;
    platform::WriteProfileString(path.c_str(), "Error", assignment.substr(0, equals).c_str(),
                                 assignment.substr(equals + 1).c_str());
}

template <class Util, class Rec> int RunScript(const Params& params, int argc, char** argv) {
    Util util;
    util.SetFileName(params.szFileName);
    util.SetTempFilePath(params.szTempPath);
    util.SetErrorFile(params.szErrorFile);
    util.SetStatusFile(params.szStatusFile);
    const char* env = std::getenv("LNFAKE_SCRIPT");
    const std::string script = env ? env : "";
    int exitCode = 0;
    for (std::size_t start = 0; start < script.size();) {
        std::size_t end = script.find(';', start);
        if (end == std::string::npos)
            end = script.size();
        const std::string step = script.substr(start, end - start);
        start = end + 1;
        const std::size_t equals = step.find('=');
        const std::string verb = step.substr(0, equals);
        const std::string arg = equals == std::string::npos ? "" : step.substr(equals + 1);
        if (verb == "record")
            Record(argc, argv, params);
        else if (verb == "records")
            WriteRecords<Util, Rec>(&util, std::atoi(arg.c_str()));
        else if (verb == "init")
            util.InitErrorReport();
        else if (verb == "error")
            util.ReportError(arg.c_str());
        else if (verb == "raw")
            WriteRaw(params, arg);
        else if (verb == "status")
            util.ReportStatus(arg.c_str());
        else if (verb == "hang")
            Hang(params);
        else if (verb == "exit")
            exitCode = std::atoi(arg.c_str());
        else if (verb == "signal")
            std::raise(std::atoi(arg.c_str()));
    }
    util.FiniErrorReport();
    // The host's object would remove these when it goes; the wizard reads them.
    util.SetStatusFile("");
    util.SetErrorFile("");
    return exitCode;
}

} // namespace

int main(int argc, char** argv) {
    Params params;
    if (argc < 2 || !ReadParams(argv[1], &params))
        return 2;
    const char* name = std::strrchr(argv[0], '/');
    name = name ? name + 1 : argv[0];
    if (std::strstr(name, "Date"))
        return RunScript<CxLNDateUtil, tagCxLNDateRec>(params, argc, argv);
    if (std::strstr(name, "Task"))
        return RunScript<CxLNTaskUtil, tagCxLNTaskRec>(params, argc, argv);
    if (std::strstr(name, "Note"))
        return RunScript<CxLNNoteUtil, tagCxLNNoteRec>(params, argc, argv);
    return RunScript<CxLNAddrUtil, tagCxLNAddrRec>(params, argc, argv);
}
