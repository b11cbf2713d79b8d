#include "NotesInstall.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ProfileFile.h"

NotesInstall::NotesInstall()
    : m_folder(NOTES_LIBRARY, ""), m_program(m_folder.Dir().Folder()),
      m_wizard(m_env.AppData() + "/zembrik/LN-VX/") {
    std::filesystem::create_directories(m_wizard);
    m_folder.MakeFolders("Data/mail");
    m_folder.WriteIni("[Notes]\r\nDirectory=" + m_program + "Data\r\n");
    platform::WriteProfileString(m_env.Registry().c_str(),
                                 "HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes", "Path",
                                 m_program.c_str());
}

std::string NotesInstall::Notesdb(const std::string& args) const {
    std::string out;
    EXPECT_EQ(m_folder.Notesdb(args, &out), 0) << args;
    return out;
}
