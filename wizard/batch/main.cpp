// vxln-batch: the wizard's whole job without windows.
#include <cstdio>

#include "wizard/batch/BatchRun.h"

int main(int argc, char** argv) {
    const tagBatchIO io{stdin, stdout, stderr};
    return RunBatch(argc, argv, io);
}
