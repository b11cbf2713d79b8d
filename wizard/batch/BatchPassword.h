// The Notes password of a batch run: never from the command line.
#pragma once
#include <cstdio>
#include <string>

#include "wizard/batch/BatchOptions.h"

// By mode: the first line of `in`; nothing; or, by default, a prompt on
// `prompt` with the echo of the terminal `in` switched off (nothing when `in`
// is no terminal). The line end is dropped; the text is UTF-8.
std::string ReadBatchPassword(BatchPasswordMode mode, std::FILE* in, std::FILE* prompt);
