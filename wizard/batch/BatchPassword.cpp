#include "BatchPassword.h"

#include <termios.h>
#include <unistd.h>

namespace {

std::string ReadLine(std::FILE* in) {
    std::string line;
    for (int c = std::fgetc(in); c != EOF && c != '\n'; c = std::fgetc(in))
        line += static_cast<char>(c);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

std::string Prompt(std::FILE* in, std::FILE* prompt) {
    const int fd = fileno(in);
    termios saved;
    if (tcgetattr(fd, &saved) != 0)
        return "";
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    quiet.c_lflag |= ECHONL;
    std::fputs("Password: ", prompt);
    std::fflush(prompt);
    if (tcsetattr(fd, TCSAFLUSH, &quiet) != 0)
        return "";
    const std::string line = ReadLine(in);
    tcsetattr(fd, TCSAFLUSH, &saved);
    return line;
}

} // namespace

std::string ReadBatchPassword(BatchPasswordMode mode, std::FILE* in, std::FILE* prompt) {
    switch (mode) {
    case BATCH_PASSWORD_STDIN:
        return ReadLine(in);
    case BATCH_PASSWORD_NONE:
        return "";
    default:
        return isatty(fileno(in)) ? Prompt(in, prompt) : "";
    }
}
