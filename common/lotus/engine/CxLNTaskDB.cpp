// Tasks inside a helper host: the run's parameters.
#include "common/lotus/exchange/CxLNTask.h"

bool CxLNTaskUtil::ReadParamFile(const char* path) {
    return ReadMailParams_(path, false);
}
