// The run of the calendar helper host.
#include "CxLNDate.h"
#include "CxLNRun.h"

bool CxLNDateUtil::Run() {
    return LNRun(this);
}
