// Tasks inside a helper host: the run's parameters.
#include "CxLNTask.h"

bool CxLNTaskUtil::ReadParamFile(const char* path) {
    return ReadMailParams_(path, false);
}
