// What the preloaded test libraries ask of a descriptor about to be written.
#pragma once
#include <cstdio>
#include <string>
#include <unistd.h>

// The path of the file `fd` is open on; empty when it can not be told.
inline std::string ShimFilePath(int fd) {
    char link[64], path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string();
}

// True when `name` ends with `end`.
inline bool ShimEndsWith(const std::string& name, const std::string& end) {
    return name.size() > end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
}
