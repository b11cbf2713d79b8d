#include "NotesFolder.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

const char kDataIni[] = "[Notes]\r\nDirectory=Data\r\n";

NotesFolder::NotesFolder(const std::string& library, const std::string& ini) {
    char cwd[4096];
    m_oldDir = getcwd(cwd, sizeof cwd) ? cwd : ".";
    if (!library.empty() && symlink(library.c_str(), File("libnotes.so").c_str()) != 0)
        m_ok = false;
    if (!ini.empty())
        WriteIni(ini);
    MakeFolders("Data");
    m_ok = m_ok && chdir(Path().c_str()) == 0;
}

NotesFolder::~NotesFolder() {
    if (chdir(m_oldDir.c_str()) != 0)
        m_ok = false;
}

void NotesFolder::WriteIni(const std::string& text) const {
    WriteFile(File("notes.ini"), text);
}

std::string NotesFolder::MakeFolders(const std::string& name) const {
    std::error_code ignored;
    std::filesystem::create_directories(File(name), ignored);
    return File(name);
}

int NotesFolder::Notesdb(const std::string& arguments, std::string* out) const {
    const std::string command =
        "cd '" + Path() + "' && '" + NOTESDB_PROGRAM + "' " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    std::array<char, 65536> chunk;
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        if (out)
            out->append(chunk.data(), n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace testsupport
