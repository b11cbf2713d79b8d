// The run of the calendar helper host.
#include "CxLNRun.h"
#include "common/lotus/exchange/CxLNDate.h"

bool CxLNDateUtil::Run() {
    return LNRun(this);
}
