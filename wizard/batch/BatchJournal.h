// vxln-batch journal and vxln-batch undo RUN.
#pragma once
#include "wizard/batch/BatchRun.h"

struct tagBatchInput;

int ListBatchJournal(const tagBatchIO& io);
int RunBatchUndo(const tagBatchInput& in, const tagBatchIO& io, ILNDataFactory* factory);
