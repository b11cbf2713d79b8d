// A stand-in Lotus Notes installation in a temporary folder: registry file,
// notes.ini, libnotes.so and Data/, with the wizard's data folder beside it.
#pragma once
#include <string>

#include "NotesFolder.h"
#include "TestSupport.h"

class NotesInstall {
public:
    NotesInstall();

    const std::string& ProgramFolder() const { return m_program; } // ends with '/'
    std::string DataFile(const std::string& name) const { return m_program + "Data/" + name; }
    const std::string& WizardFolder() const { return m_wizard; } // ends with '/'
    const testsupport::IsolatedEnv& Env() const { return m_env; }

    // Runs notesdb with the arguments; returns its standard output. Fails the
    // test when it exits non-zero.
    std::string Notesdb(const std::string& args) const;
    std::string Dump(const std::string& db) const { return Notesdb("dump '" + DataFile(db) + "'"); }

private:
    testsupport::IsolatedEnv m_env;
    testsupport::NotesFolder m_folder;
    std::string m_program;
    std::string m_wizard;
};
