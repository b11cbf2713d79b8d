// The run of the contacts helper host.
#include "CxLNAddr.h"
#include "CxLNRun.h"

bool CxLNAddrUtil::Run() {
    return LNRun(this);
}
