#include "CxLNSafeRun.h"

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNTask.h"

tagLNRunTarget LNRunTarget(const CxLNAddrUtil& util) {
    return {"contacts", util.GetLocalName()};
}

tagLNRunTarget LNRunTarget(const CxLNDateUtil& util) {
    return {"calendar", util.GetMailDBName()};
}

tagLNRunTarget LNRunTarget(const CxLNTaskUtil& util) {
    return {"tasks", util.GetMailDBName()};
}
