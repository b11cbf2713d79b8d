// The run of the tasks helper host.
#include "CxLNRun.h"
#include "common/lotus/exchange/CxLNTask.h"

bool CxLNTaskUtil::Run() {
    return LNRun(this);
}
