// A library preloaded into the programs a test starts, with the variables
// that steer it; everything as it was once the object ends. A sanitized
// program lets the library come before the sanitizer's runtime.
#pragma once
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

class Preloaded {
public:
    Preloaded(const char* library,
              std::initializer_list<std::pair<const char*, std::string>> variables);
    ~Preloaded();
    Preloaded(const Preloaded&) = delete;
    Preloaded& operator=(const Preloaded&) = delete;

private:
    std::vector<std::string> m_variables;
    bool m_bHadAsan;
    std::string m_sAsan;
};

} // namespace testsupport
