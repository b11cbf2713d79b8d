// One run of vxln-batch: the command line, then the wizard's steps on the
// wizard's controller, with pages that take their values from the options.
#pragma once
#include <cstdio>
#include <string>

class ILNDataFactory;

enum { BATCH_EXIT_OK = 0, BATCH_EXIT_FAILED = 1, BATCH_EXIT_USAGE = 2 };

struct tagBatchIO {
    std::FILE* in;
    std::FILE* out;
    std::FILE* err;
};

// "vxln-batch: TEXT" on the error stream; `text` is Windows-1252.
void BatchComplain(const tagBatchIO& io, const std::string& text);

// The exit status. `factory` null makes the real data objects.
int RunBatch(int argc, const char* const* argv, const tagBatchIO& io,
             ILNDataFactory* factory = nullptr);
