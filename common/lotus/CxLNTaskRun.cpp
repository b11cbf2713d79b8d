// The run of the tasks helper host.
#include "CxLNTask.h"
#include "CxLNRun.h"

bool CxLNTaskUtil::Run() {
    return LNRun(this);
}
