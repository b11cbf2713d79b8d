// The run of the contacts helper host.
#include "CxLNRun.h"
#include "common/lotus/exchange/CxLNAddr.h"

bool CxLNAddrUtil::Run() {
    return LNRun(this);
}
