// Database files: what is a database, what is not, and a database that
// another process holds.
#include "NotesInstall.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <sys/stat.h>

using notestest::NotesInstall;
using notestest::StatusText;
using notestest::StoreNote;

namespace {

// An SQLite connection of its own, standing in for another process.
class OtherConnection {
public:
    explicit OtherConnection(const std::string& path) {
        EXPECT_EQ(sqlite3_open(path.c_str(), &m_db), SQLITE_OK);
    }
    ~OtherConnection() { sqlite3_close(m_db); }
    int Exec(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }
    std::string Text(const char* sql) {
        sqlite3_stmt* st = nullptr;
        std::string value;
        if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            value = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        sqlite3_finalize(st);
        return value;
    }

private:
    sqlite3* m_db = nullptr;
};

class Database : public ::testing::Test {
protected:
    Database() : install("ZNSBusyTimeout=100\r\n") {}
    void SetUp() override { ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR); }

    STATUS Open(const std::string& path) {
        DBHANDLE db = NULLHANDLE;
        STATUS status = NSFDbOpen(path.c_str(), &db);
        if (status == NOERROR)
            NSFDbClose(db);
        else
            EXPECT_EQ(db, NULLHANDLE);
        return status;
    }

    NotesInstall install;
};

void SetName(NOTEHANDLE note) {
    NSFItemSetText(note, "Name", "x", 1);
}

} // namespace

TEST_F(Database, FilesThatAreNoDatabaseAreRefused) {
    testsupport::WriteFile(install.Data("text.nsf"), "just some text\n");
    testsupport::WriteFile(install.Data("empty.nsf"), "");
    EXPECT_EQ(Open("text.nsf"), ERR_NOT_NSF) << StatusText(Open("text.nsf"));
    EXPECT_EQ(Open("empty.nsf"), ERR_NOT_NSF);
    EXPECT_EQ(Open(install.Data()), ERR_NOT_NSF);
    ASSERT_EQ(mkfifo(install.Data("pipe.nsf").c_str(), 0600), 0);
    EXPECT_EQ(Open("pipe.nsf"), ERR_NOT_NSF);
    EXPECT_EQ(Open("missing.nsf"), ERR_NOEXIST);
    EXPECT_EQ(testsupport::ReadFile(install.Data("text.nsf")), "just some text\n");
}

TEST_F(Database, AForeignSqliteFileIsNoDatabaseAndStaysUntouched) {
    std::string path = install.Data("foreign.nsf");
    {
        OtherConnection other(path);
        ASSERT_EQ(other.Exec("CREATE TABLE t(x); INSERT INTO t VALUES(1);"), SQLITE_OK);
    }
    std::string before = testsupport::ReadFile(path);
    EXPECT_EQ(Open("foreign.nsf"), ERR_NOT_NSF);
    EXPECT_EQ(testsupport::ReadFile(path), before);
}

TEST_F(Database, CreateRefusesAnExistingFile) {
    std::string path = install.CreateDatabase("new.nsf");
    EXPECT_EQ(ZNSCreateDatabase(path.c_str()), ERR_FILE_EXISTS);
    testsupport::WriteFile(install.Data("taken.nsf"), "mine");
    EXPECT_EQ(ZNSCreateDatabase(install.Data("taken.nsf").c_str()), ERR_FILE_EXISTS);
    EXPECT_EQ(testsupport::ReadFile(install.Data("taken.nsf")), "mine");
    EXPECT_EQ(ZNSCreateDatabase(install.Data("no/such/folder.nsf").c_str()), ERR_DATABASE_IO);
    EXPECT_EQ(ZNSCreateDatabase(nullptr), ERR_BAD_ARGUMENT);
}

TEST_F(Database, UsesTheWriteAheadJournal) {
    std::string path = install.CreateDatabase("wal.nsf");
    OtherConnection other(path);
    EXPECT_EQ(other.Text("PRAGMA journal_mode"), "wal");
}

TEST_F(Database, AWriterDoesNotStopReadersAndAnotherWriterWaitsThenGivesUp) {
    std::string path = install.CreateDatabase("busy.nsf");
    DBHANDLE db = NULLHANDLE;
    ASSERT_EQ(NSFDbOpen("busy.nsf", &db), NOERROR);
    NOTEID id = StoreNote(db, SetName);
    ASSERT_NE(id, 0u);

    OtherConnection other(path);
    ASSERT_EQ(other.Exec("BEGIN IMMEDIATE; UPDATE notes SET sequence=sequence"), SQLITE_OK);
    NOTEHANDLE note = NULLHANDLE;
    ASSERT_EQ(NSFNoteOpen(db, id, 0, &note), NOERROR);
    NSFItemSetText(note, "Name", "changed", MAXWORD);
    EXPECT_EQ(NSFNoteUpdate(note, 0), ERR_DATABASE_BUSY);
    EXPECT_EQ(NSFNoteDelete(db, id, 0), ERR_DATABASE_BUSY);
    ASSERT_EQ(other.Exec("COMMIT"), SQLITE_OK);

    EXPECT_EQ(NSFNoteUpdate(note, 0), NOERROR);
    NSFNoteClose(note);
    NSFDbClose(db);
}

TEST_F(Database, ADatabaseHeldExclusivelyIsBusy) {
    std::string path = install.CreateDatabase("locked.nsf");
    OtherConnection other(path);
    ASSERT_EQ(other.Exec("PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;"
                         " INSERT INTO meta VALUES('x', 'y');"),
              SQLITE_OK);
    EXPECT_EQ(Open("locked.nsf"), ERR_DATABASE_BUSY);
    char text[256];
    EXPECT_GT(OSLoadString(NULLHANDLE, ERR_DATABASE_BUSY, text, sizeof text), 0);
}
