// Where database paths lead: the data folder, absolute paths, servers.
#include "NotesInstall.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using notestest::NotesInstall;

namespace {

std::string NetPath(const char* server, const char* file) {
    char path[MAXPATH];
    EXPECT_EQ(OSPathNetConstruct(nullptr, server, file, path), NOERROR);
    return path;
}

class Paths : public ::testing::Test {
protected:
    void SetUp() override {
        mkdir(install.Data("mail").c_str(), 0700);
        mkdir(install.Server("mail").c_str(), 0700);
        install.CreateDatabase("names.nsf");
        ASSERT_EQ(ZNSCreateDatabase(install.Server("mail/jdoe.nsf").c_str()), NOERROR);
        ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
    }

    STATUS Open(const std::string& path) {
        DBHANDLE db = NULLHANDLE;
        STATUS status = NSFDbOpen(path.c_str(), &db);
        NSFDbClose(db);
        return status;
    }

    NotesInstall install;
};

} // namespace

TEST(PathNet, EmptyServerGivesTheFileNameElseServerBangBang) {
    EXPECT_EQ(NetPath("", "names.nsf"), "names.nsf");
    EXPECT_EQ(NetPath(nullptr, "names.nsf"), "names.nsf");
    EXPECT_EQ(NetPath("Alpha/Org", "mail/jdoe.nsf"), "Alpha/Org!!mail/jdoe.nsf");
}

TEST(PathNet, APathThatDoesNotFitIsCutAsDocumented) {
    std::string file(MAXPATH - 5, 'f');
    char path[MAXPATH];
    EXPECT_EQ(OSPathNetConstruct(nullptr, "Server", file.c_str(), path), NOERROR);
    EXPECT_EQ(std::string(path), ("Server!!" + file).substr(0, MAXPATH - 1));
    EXPECT_EQ(OSPathNetConstruct(nullptr, "", "x", nullptr), ERR_BAD_ARGUMENT);
}

TEST_F(Paths, RelativePathsResolveInTheDataFolder) {
    EXPECT_EQ(Open("names.nsf"), NOERROR);
    EXPECT_EQ(Open("!!names.nsf"), NOERROR);
    EXPECT_EQ(Open(install.Data("names.nsf")), NOERROR);
    EXPECT_EQ(Open("mail/jdoe.nsf"), ERR_NOEXIST);
}

TEST_F(Paths, ServerPathsResolveInTheServersFolderWithoutCase) {
    EXPECT_EQ(Open("Alpha/Org!!mail/jdoe.nsf"), NOERROR);
    EXPECT_EQ(Open("ALPHA/ORG!!mail\\jdoe.nsf"), NOERROR);
    EXPECT_EQ(Open(NetPath("alpha/org", "/mail/jdoe.nsf")), NOERROR);
    EXPECT_EQ(Open("Alpha/Org!!names.nsf"), ERR_NOEXIST);
}

TEST_F(Paths, AnUnknownServerDoesNotRespond) {
    STATUS status = Open("Beta/Org!!mail/jdoe.nsf");
    EXPECT_EQ(status, ERR_SERVER_NOT_RESPONDING);
    char text[256];
    ASSERT_GT(OSLoadString(NULLHANDLE, ERR(status), text, sizeof text), 0);
    EXPECT_NE(std::string(text).find("not responding"), std::string::npos) << text;
}

TEST(NotesIni, WithoutNotesIniTheProgramFolderHoldsTheDatabases) {
    testsupport::TempDir dir;
    ASSERT_EQ(ZNSCreateDatabase(dir.File("here.nsf").c_str()), NOERROR);
    char old[4096];
    ASSERT_NE(getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    EXPECT_EQ(NotesInitExtended(0, nullptr), NOERROR);
    DBHANDLE db = NULLHANDLE;
    EXPECT_EQ(NSFDbOpen("here.nsf", &db), NOERROR);
    EXPECT_EQ(NSFDbOpen("Alpha/Org!!here.nsf", &db), ERR_SERVER_NOT_RESPONDING);
    NotesTerm();
    ASSERT_EQ(chdir(old), 0);
}

TEST(NotesIni, AnAbsoluteDirectoryIsUsedAsIs) {
    testsupport::TempDir data;
    ASSERT_EQ(ZNSCreateDatabase(data.File("abs.nsf").c_str()), NOERROR);
    NotesInstall install;
    testsupport::WriteFile(install.Program() + "/notes.ini",
                           "[Notes]\r\nDirectory=\"" + data.Path() + "\"\r\n");
    ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
    DBHANDLE db = NULLHANDLE;
    EXPECT_EQ(NSFDbOpen("abs.nsf", &db), NOERROR);
    NSFDbClose(db);
}

TEST(NotesIni, AnArgumentAfterAnEqualsSignNamesTheNotesIni) {
    NotesInstall install;
    testsupport::TempDir other;
    testsupport::WriteFile(other.File("other.ini"), "[Notes]\r\nDirectory=elsewhere\r\n");
    const std::string program = other.File("program");
    const std::string absolute = "=" + other.File("other.ini");
    const char* const given[][3] = {{program.c_str(), absolute.c_str(), nullptr},
                                    {program.c_str(), "-x", "=other.ini"}};
    for (const auto& args : given) {
        char* argv[3] = {const_cast<char*>(args[0]), const_cast<char*>(args[1]),
                         const_cast<char*>(args[2])};
        ASSERT_EQ(NotesInitExtended(args[2] ? 3 : 2, argv), NOERROR);
        char folder[MAXPATH] = "";
        OSGetDataDirectory(folder);
        EXPECT_EQ(std::string(folder), other.File("elsewhere")) << args[1];
        NotesTerm();
    }
    // argv[0] alone: the current folder's notes.ini.
    char* alone[] = {const_cast<char*>(program.c_str())};
    ASSERT_EQ(NotesInitExtended(1, alone), NOERROR);
    char folder[MAXPATH] = "";
    OSGetDataDirectory(folder);
    EXPECT_EQ(std::string(folder), install.Data());
}
