#include "CxLNRunStop.h"

#include "common/lotus/engine/CxLNFailure.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/misc/CxDebugUtil.h"
#include "platform/Interrupt.h"

namespace {

struct tagRunStop {
    bool bBusy = false;
    bool bTold = false;
};

tagRunStop& State() {
    static tagRunStop state;
    return state;
}

// Why the run's report could not be written. Apart from the rest: a step
// that starts its own stop state again must not forget it.
std::string& ReportFailure() {
    static std::string why;
    return why;
}

} // namespace

std::string LNStopReason() {
    if (!ReportFailure().empty())
        return ReportFailure();
    if (State().bBusy)
        return "the database stayed busy through its wait: another process is using it";
    if (platform::ParentEnded())
        return "the program that started it has ended";
    if (platform::InterruptRequested())
        return "it was asked to stop";
    return std::string();
}

void LNTakeStoreStatus(STATUS status) {
    if (ERR(status) == ERR_LOCK)
        State().bBusy = true;
}

void LNReportStopped(CxLNBaseUtil* owner, const char* work) {
    const std::string reason = LNStopReason();
    if (reason.empty() || State().bTold)
        return;
    State().bTold = true;
    const std::string text = std::string("The ") + work + " stopped before its end: " + reason +
                             ". The documents not reached were left as they are.";
    if (owner)
        LNReportFailure(owner, text.c_str());
    else
        CX_LOG_ERROR("%s", text.c_str());
}

void CxLNBaseUtil::StopOnRequest() {
    platform::CatchInterrupts();
    platform::StopWhenParentEnds();
}

void LNStopForReport(const std::string& why) {
    if (ReportFailure().empty()) {
        ReportFailure() = why;
        CX_LOG_ERROR("The run stops: %s.", why.c_str());
    }
}

void LNResetReportStop() {
    ReportFailure().clear();
}

void LNResetRunStop() {
    State() = tagRunStop();
}
