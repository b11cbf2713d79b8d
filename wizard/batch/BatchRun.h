// One run of vxln-batch: the command line, then the wizard's steps on the
// wizard's controller, with pages that take their values from the options.
#pragma once
#include <cstdio>
#include <string>

class CxBatchWait;
class CxWizardController;
class ILNDataFactory;
struct tagBatchOptions;

enum { BATCH_EXIT_OK = 0, BATCH_EXIT_FAILED = 1, BATCH_EXIT_USAGE = 2 };

struct tagBatchIO {
    std::FILE* in;
    std::FILE* out;
    std::FILE* err;
};

// "vxln-batch: TEXT" on the error stream; `text` is Windows-1252.
void BatchComplain(const tagBatchIO& io, const std::string& text);

// The controller of a run: its wait window, its data objects, no pauses, and
// a data folder held by another run waited for with --wait; then Start.
void StartBatchController(CxWizardController& c, const tagBatchOptions& o, const tagBatchIO& io,
                          CxBatchWait* wait, ILNDataFactory* factory);
// Why the load or undo failed, with the hint of --wait when another run held
// the data folder.
void BatchComplainLoad(const CxWizardController& c, const tagBatchIO& io);

// The exit status. `factory` null makes the real data objects.
int RunBatch(int argc, const char* const* argv, const tagBatchIO& io,
             ILNDataFactory* factory = nullptr);
