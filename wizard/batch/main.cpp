// vxln-batch: the wizard's whole job without windows.
#include <cstdio>

#include "platform/Environment.h"
#include "platform/Interrupt.h"
#include "wizard/batch/BatchRun.h"

int main(int argc, char** argv) {
    // An interrupted run ends its helper and reports truly; returning from
    // main then removes the run's parameter and exchange files.
    platform::CatchInterrupts();
    platform::MakeFolderVariablesAbsolute();
    const tagBatchIO io{stdin, stdout, stderr};
    return RunBatch(argc, argv, io);
}
