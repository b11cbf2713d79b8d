#include "Preloaded.h"

#include <cstdlib>

namespace testsupport {

Preloaded::Preloaded(const char* library,
                     std::initializer_list<std::pair<const char*, std::string>> variables) {
    const char* asan = std::getenv("ASAN_OPTIONS");
    m_bHadAsan = asan != nullptr;
    m_sAsan = asan ? asan : "";
    setenv("ASAN_OPTIONS", (m_sAsan + ":verify_asan_link_order=0").c_str(), 1);
    setenv("LD_PRELOAD", library, 1);
    for (const auto& variable : variables) {
        setenv(variable.first, variable.second.c_str(), 1);
        m_variables.push_back(variable.first);
    }
}

Preloaded::~Preloaded() {
    unsetenv("LD_PRELOAD");
    for (const std::string& variable : m_variables)
        unsetenv(variable.c_str());
    if (m_bHadAsan)
        setenv("ASAN_OPTIONS", m_sAsan.c_str(), 1);
    else
        unsetenv("ASAN_OPTIONS");
}

} // namespace testsupport
