// Calendar inside a helper host: the run's parameters.
#include "common/lotus/exchange/CxLNDate.h"

bool CxLNDateUtil::ReadParamFile(const char* path) {
    return ReadMailParams_(path, true);
}
