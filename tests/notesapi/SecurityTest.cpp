// ID files, the current user and access lists.
#include "NotesInstall.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using notestest::NotesInstall;
using notestest::SearchIds;
using notestest::StoreNote;

namespace {

void SetName(NOTEHANDLE note) {
    NSFItemSetText(note, "Name", "x", 1);
}

STATUS Switch(const std::string& idFile, const char* password, std::string* user = nullptr) {
    char name[MAXUSERNAME] = "unchanged";
    std::string file = idFile;
    std::string secret = password;
    STATUS status = SECKFMSwitchToIDFile(&file[0], &secret[0], name, sizeof name, 0, nullptr);
    if (user)
        *user = name;
    return status;
}

class IdFiles : public ::testing::Test {
protected:
    void SetUp() override {
        id = install.Data("jdoe.id");
        ASSERT_EQ(ZNSCreateIDFile(id.c_str(), "CN=John Doe/O=Org", "Secret 1"), NOERROR);
        ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
    }

    NotesInstall install;
    std::string id;
};

} // namespace

TEST_F(IdFiles, TheRightPasswordSwitchesToTheIdsUser) {
    std::string user;
    EXPECT_EQ(Switch(id, "Secret 1", &user), NOERROR);
    EXPECT_EQ(user, "CN=John Doe/O=Org");
    EXPECT_EQ(Switch("jdoe.id", "Secret 1", &user), NOERROR) << "relative to the data folder";
}

TEST_F(IdFiles, TheUserNameIsCutToItsBuffer) {
    char name[8];
    std::string file = id, password = "Secret 1";
    EXPECT_EQ(SECKFMSwitchToIDFile(&file[0], &password[0], name, sizeof name, 0, nullptr),
              NOERROR);
    EXPECT_STREQ(name, "CN=John");
}

TEST_F(IdFiles, AWrongPasswordIsRefused) {
    EXPECT_EQ(Switch(id, "secret 1"), ERR_SECURE_BADPASSWORD);
    EXPECT_EQ(Switch(id, ""), ERR_SECURE_BADPASSWORD);
    char text[256];
    OSLoadString(NULLHANDLE, ERR_SECURE_BADPASSWORD, text, sizeof text);
    EXPECT_STREQ(text, "Wrong Password. (Passwords are case sensitive)");
}

TEST_F(IdFiles, MissingFilesAndFilesThatAreNoIdFile) {
    EXPECT_EQ(Switch(install.Data("nobody.id"), "x"), ERR_NOEXIST);
    testsupport::WriteFile(install.Data("text.id"), "hello\n");
    EXPECT_EQ(Switch(install.Data("text.id"), "x"), ERR_NOT_ID_FILE);
    testsupport::WriteFile(install.Data("empty.id"), "");
    EXPECT_EQ(Switch(install.Data("empty.id"), "x"), ERR_NOT_ID_FILE);
    std::string cut = testsupport::ReadFile(id);
    testsupport::WriteFile(install.Data("cut.id"), cut.substr(0, cut.size() / 2));
    EXPECT_EQ(Switch(install.Data("cut.id"), "Secret 1"), ERR_NOT_ID_FILE);
    EXPECT_EQ(Switch(install.Data(), "x"), ERR_NOT_ID_FILE);
    ASSERT_EQ(mkfifo(install.Data("pipe.id").c_str(), 0600), 0);
    EXPECT_EQ(Switch(install.Data("pipe.id"), "x"), ERR_NOT_ID_FILE);
}

TEST_F(IdFiles, ThePasswordIsNeverStoredAndTheHashIsSalted) {
    std::string other = install.Data("other.id");
    ASSERT_EQ(ZNSCreateIDFile(other.c_str(), "CN=John Doe/O=Org", "Secret 1"), NOERROR);
    std::string a = testsupport::ReadFile(id), b = testsupport::ReadFile(other);
    EXPECT_EQ(a.find("Secret 1"), std::string::npos);
    EXPECT_NE(a.find("CN=John Doe/O=Org"), std::string::npos);
    EXPECT_NE(a, b);
}

TEST_F(IdFiles, CreateRefusesAnExistingFileAndBadNames) {
    EXPECT_EQ(ZNSCreateIDFile(id.c_str(), "CN=Other", "x"), ERR_FILE_EXISTS);
    EXPECT_EQ(Switch(id, "Secret 1"), NOERROR);
    EXPECT_EQ(ZNSCreateIDFile(install.Data("a.id").c_str(), "", "x"), ERR_BAD_ARGUMENT);
    EXPECT_EQ(ZNSCreateIDFile(install.Data("b.id").c_str(), "CN=A\nUser=B", "x"),
              ERR_BAD_ARGUMENT);
    EXPECT_EQ(ZNSCreateIDFile(nullptr, "CN=A", "x"), ERR_BAD_ARGUMENT);
}

namespace {

class Access : public ::testing::Test {
protected:
    Access() : install("KeyFilename=user.id\r\n") {}

    void SetUp() override {
        ASSERT_EQ(ZNSCreateIDFile(install.Data("user.id").c_str(), "CN=Default User", "pw"),
                  NOERROR);
        ASSERT_EQ(ZNSCreateIDFile(install.Data("reader.id").c_str(), "CN=Reader", "pw"), NOERROR);
        ASSERT_EQ(ZNSCreateIDFile(install.Data("editor.id").c_str(), "CN=Editor", "pw"), NOERROR);
        path = install.CreateDatabase("acl.nsf");
        ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
        DBHANDLE db = NULLHANDLE;
        ASSERT_EQ(NSFDbOpen("acl.nsf", &db), NOERROR);
        id = StoreNote(db, SetName);
        ASSERT_NE(id, 0u);
        NSFDbClose(db);
    }

    void Grant(const char* user, WORD level) {
        ASSERT_EQ(ZNSSetAccess(path.c_str(), user, level), NOERROR);
    }

    // Open, read and search work; creating, updating and deleting give `write`.
    void ExpectReadsAndWrites(STATUS write) {
        DBHANDLE db = NULLHANDLE;
        ASSERT_EQ(NSFDbOpen("acl.nsf", &db), NOERROR);
        std::vector<NOTEID> ids;
        EXPECT_EQ(SearchIds(db, "SELECT @All", ids), NOERROR);
        EXPECT_EQ(ids.size(), 1u);
        NOTEHANDLE note = NULLHANDLE;
        ASSERT_EQ(NSFNoteOpen(db, id, 0, &note), NOERROR);
        EXPECT_EQ(NSFNoteUpdate(note, 0), write);
        NSFNoteClose(note);
        NOTEHANDLE created = NULLHANDLE;
        EXPECT_EQ(NSFNoteCreate(db, &created), write);
        NSFNoteClose(created);
        EXPECT_EQ(NSFNoteDelete(db, id, 0), write);
        NSFDbClose(db);
    }

    STATUS OpenStatus() {
        DBHANDLE db = NULLHANDLE;
        STATUS status = NSFDbOpen("acl.nsf", &db);
        NSFDbClose(db);
        return status;
    }

    NotesInstall install;
    std::string path;
    NOTEID id = 0;
};

} // namespace

TEST_F(Access, AnEmptyListLetsEveryoneIn) {
    ExpectReadsAndWrites(NOERROR);
}

TEST_F(Access, TheDefaultUserIsTheOneOfKeyFilename) {
    Grant("cn=default user", ZNS_ACCESS_READER);
    ExpectReadsAndWrites(ERR_NOACCESS);
    ASSERT_EQ(Switch("editor.id", "pw"), NOERROR);
    EXPECT_EQ(OpenStatus(), ERR_NOACCESS);
}

TEST_F(Access, ReadersReadAndEditorsWrite) {
    Grant("CN=Reader", ZNS_ACCESS_READER);
    Grant("CN=Editor", ZNS_ACCESS_EDITOR);
    ASSERT_EQ(Switch("reader.id", "pw"), NOERROR);
    ExpectReadsAndWrites(ERR_NOACCESS);
    ASSERT_EQ(Switch("editor.id", "pw"), NOERROR);
    ExpectReadsAndWrites(NOERROR);
}

TEST_F(Access, UsersNotListedGetTheDefaultEntryElseNothing) {
    Grant("CN=Editor", ZNS_ACCESS_MANAGER);
    EXPECT_EQ(OpenStatus(), ERR_NOACCESS);
    Grant(ZNS_DEFAULT_ENTRY, ZNS_ACCESS_READER);
    EXPECT_EQ(OpenStatus(), NOERROR);
    Grant("CN=Default User", ZNS_ACCESS_NONE);
    EXPECT_EQ(OpenStatus(), ERR_NOACCESS);
}

TEST_F(Access, SetAccessRefusesWhatItCannotStore) {
    EXPECT_EQ(ZNSSetAccess(path.c_str(), "CN=A", 3), ERR_BAD_ARGUMENT);
    EXPECT_EQ(ZNSSetAccess(path.c_str(), "", ZNS_ACCESS_READER), ERR_BAD_ARGUMENT);
    EXPECT_EQ(ZNSSetAccess(install.Data("none.nsf").c_str(), "CN=A", ZNS_ACCESS_READER),
              ERR_NOEXIST);
    EXPECT_EQ(OpenStatus(), NOERROR);
}
