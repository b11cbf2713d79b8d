#include "CxLNStoredStatus.h"

#include <cstdlib>
#include <cstring>

namespace {

const char kLead[] = "Writing the changes back to Lotus Notes: ";
const char kOf[] = " of ";
const char kTail[] = " documents stored so far.";

// Plain digits at `*at`, moved past; false when there are none.
bool ReadCount(const char** at, long* value) {
    if (**at < '0' || **at > '9')
        return false;
    char* end = nullptr;
    *value = std::strtol(*at, &end, 10);
    *at = end;
    return *value >= 0;
}

bool Skip(const char** at, const char* text) {
    const std::size_t length = std::strlen(text);
    if (std::strncmp(*at, text, length) != 0)
        return false;
    *at += length;
    return true;
}

} // namespace

std::string LNStoredStatusText(long stored, long total) {
    std::string text = kLead + std::to_string(stored);
    if (total >= 0)
        text += kOf + std::to_string(total);
    return text + kTail;
}

bool LNParseStoredStatus(const char* line, long* stored, long* total) {
    const char* at = line;
    long n = 0, m = -1;
    if (!at || !Skip(&at, kLead) || !ReadCount(&at, &n))
        return false;
    if (Skip(&at, kOf) && !ReadCount(&at, &m))
        return false;
    if (!Skip(&at, kTail) || *at)
        return false;
    *stored = n;
    *total = m;
    return true;
}
