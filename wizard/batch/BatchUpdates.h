// Field updates as the command line gives them, turned into the definitions
// the engine applies, with the definition dialog's refusals.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "wizard/batch/BatchKinds.h"
#include "wizard/update/Vxcommon.h"

// One update: the operation word ("set", "append", "insert", "replace",
// "date", "datetime", "true", "false", "choice"), its text as given (UTF-8),
// and where it came from for messages ("--set" or "FILE:LINE").
struct tagBatchUpdateSpec {
    std::string op;
    std::string text;
    std::string origin;
};

bool IsBatchUpdateOp(const std::string& op);

// Fills `def` (cleared first) from `spec`; on refusal false with the reason.
bool ParseBatchUpdate(const tagBatchKind& kind, const tagBatchUpdateSpec& spec,
                      tagFUFieldUpdate* def, std::string* error);

// The updates of a file, one a line as "OP TEXT"; blank lines and lines that
// begin with '#' are skipped. A file larger than kMaxUpdatesFile is refused
// unread beyond it.
constexpr std::size_t kMaxUpdatesFile = 1u << 20;
bool ReadBatchUpdatesFile(const std::string& path, std::vector<tagBatchUpdateSpec>* specs,
                          std::string* error);
// The same for text already read; `name` is used in the origins.
bool ParseBatchUpdatesText(const std::string& text, const std::string& name,
                           std::vector<tagBatchUpdateSpec>* specs, std::string* error);

// "YYYY-MM-DD", and with `withTime` "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS";
// false for anything else or a day that does not exist.
bool ParseBatchDate(const std::string& text, bool withTime, double* value);
