#include "CxLNFailure.h"

#include <cstring>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNRun.h"
#include "common/lotus/engine/CxLNUserSwitch.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

void LNReportFailure(CxLNBaseUtil* util, const char* line, STATUS status, const std::string& more) {
    CX_LOG_ERROR("%s", line);
    std::string entry = line;
    if (status != NOERROR && !std::strstr(line, "message=")) {
        char text[1024];
        LNStatusText(status, text, sizeof text);
        if (*text)
            entry += std::string("; message=") + text;
    }
    util->ReportError((entry + more).c_str());
}

void LNReportStatusFailure(CxLNBaseUtil* util, const char* format, STATUS status) {
    char line[512];
    CxStrFormat(line, sizeof line, format, status);
    LNReportFailure(util, line, status);
}

bool LNStartApi(CxLNBaseUtil* util) {
    if (CxLNApi::Start())
        return true;
    const char kFailed[] = "Failed to initialize Notes API.";
    CX_LOG_ERROR("%s", kFailed);
    util->ReportError((std::string(kFailed) + " " + CxLNApi::StartError()).c_str());
    return false;
}

std::string LNWhereNotesLooked(const char* path, STATUS status) {
    const bool relative = path && *path != '/' && !std::strstr(path, "!!");
    if (ERR(status) != ERR_NOEXIST || !relative || !LNApi().OSGetDataDirectory)
        return "";
    char folder[MAXPATH] = "";
    LNApi().OSGetDataDirectory(folder);
    return std::string("; a relative path is looked for in the Lotus Notes data folder ") + folder;
}

void LNReportRunFailure(CxLNBaseUtil* util, const char* format, const char* value) {
    char line[512];
    CxStrFormat(line, sizeof line, format, value);
    util->ReportError(line);
}
