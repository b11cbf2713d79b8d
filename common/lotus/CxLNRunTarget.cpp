#include "CxLNSafeRun.h"

#include "common/lotus/CxLNAddr.h"
#include "common/lotus/CxLNDate.h"
#include "common/lotus/CxLNTask.h"

tagLNRunTarget LNRunTarget(const CxLNAddrUtil& util) {
    return {"contacts", util.GetLocalName()};
}

tagLNRunTarget LNRunTarget(const CxLNDateUtil& util) {
    return {"calendar", util.GetMailDBName()};
}

tagLNRunTarget LNRunTarget(const CxLNTaskUtil& util) {
    return {"tasks", util.GetMailDBName()};
}
