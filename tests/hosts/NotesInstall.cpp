#include "NotesInstall.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

#include "platform/ProfileFile.h"

NotesInstall::NotesInstall() {
    namespace fs = std::filesystem;
    m_program = m_env.Dir().File("notes") + "/";
    m_wizard = m_env.AppData() + "/zembrik/LN-VX/";
    fs::create_directories(m_program + "Data/mail");
    fs::create_directories(m_wizard);
    fs::create_symlink(NOTES_LIBRARY, m_program + "libnotes.so");
    testsupport::WriteFile(m_program + "notes.ini",
                           "[Notes]\r\nDirectory=" + m_program + "Data\r\n");
    platform::WriteProfileString(m_env.Registry().c_str(),
                                 "HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes", "Path",
                                 m_program.c_str());
}

std::string NotesInstall::Notesdb(const std::string& args) const {
    std::string command = std::string("'") + NOTESDB_PROGRAM + "' --notes '" + m_program + "' " + args;
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return out;
    }
    std::array<char, 65536> chunk;
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        out.append(chunk.data(), n);
    int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    return out;
}
