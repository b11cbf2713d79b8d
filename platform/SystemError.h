#pragma once
#include <string>

namespace platform {

// The system's message text for an errno value (strerror_r).
std::string SystemErrorText(int error);

} // namespace platform
