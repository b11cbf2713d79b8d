// The program the process tests start: "exit N", "sleep MS", "open FD" (exits
// 0 when the descriptor is open) or "record FILE ARGS...".
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "exit") == 0)
        return std::atoi(argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "sleep") == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(argv[2])));
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "open") == 0)
        return fcntl(std::atoi(argv[2]), F_GETFD) >= 0 ? 0 : 1;
    if (argc >= 3 && std::strcmp(argv[1], "record") == 0) {
        FILE* out = std::fopen(argv[2], "w");
        if (!out)
            return 2;
        char cwd[PATH_MAX] = "";
        std::fprintf(out, "%s\n", getcwd(cwd, sizeof cwd) ? cwd : "?");
        std::fprintf(out, "stdin:%d\n", static_cast<int>(read(STDIN_FILENO, cwd, 1)));
        for (int i = 3; i < argc; ++i)
            std::fprintf(out, "[%s]\n", argv[i]);
        std::fclose(out);
        return 0;
    }
    return 1;
}
