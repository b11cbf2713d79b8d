// One helper run of the contacts kind: load into the exchange data file, or
// write it back.
#include "AddrDBFixture.h"

#include <cstring>

TEST_F(AddrDBTest, RunInOtherModesFailsAfterClearingTheErrorFile) {
    for (int mode : {0, 4}) {
        testsupport::WriteFile(m_temp.File("LNAddrErr.dat"),
                               "[Error]\r\nError.Count=1\r\nError.1=old\r\n");
        m_util.SetMode(mode);
        EXPECT_FALSE(m_util.Run()) << mode;
        EXPECT_EQ(ErrorValue("Error.Count"), "1");
        EXPECT_EQ(ErrorValue("Error.1"), "Unknown run mode in the parameter file.");
        EXPECT_FALSE(testsupport::FileExists(DataFile()));
    }
}

TEST_F(AddrDBTest, ALoadRunWritesTheRecordsToTheExchangeFile) {
    NOTEID id = AddNote([](NOTEHANDLE note) { AppendText(note, "FirstName", "Ann"); });
    m_util.SetMode(1);
    ASSERT_TRUE(m_util.Run()) << m_log.Text();

    CxLNAddrUtil client;
    client.SetTempFilePath(m_temp.Folder().c_str());
    ASSERT_TRUE(client.LoadFromFile(nullptr));
    ASSERT_NE(client.GetFirstRec(), nullptr);
    EXPECT_STREQ(client.GetFirstRec()->szFirstName, "Ann");
    EXPECT_EQ(std::string(client.GetFirstRec()->szID), std::to_string(id));
}

TEST_F(AddrDBTest, ALoadRunWhoseDatabaseDoesNotOpenWritesNoExchangeFileAndSaysWhy) {
    m_util.SetLocalName("missing.nsf");
    m_util.SetMode(1);
    EXPECT_FALSE(m_util.Run());
    EXPECT_FALSE(testsupport::FileExists(DataFile()));
    EXPECT_EQ(ErrorValue("Error.Count"), "1");
    EXPECT_EQ(ErrorValue("Error.1"),
              "Can not open Lotus Notes Contacts file: missing.nsf, error code=259; message=File "
              "does not exist; a relative path is looked for in the Lotus Notes data folder " +
                  m_folder.Dir().File("Data"));
    EXPECT_NE(m_log.Text().find(
                  "Can not open Lotus Notes Contacts file: missing.nsf, error code=259\r\n"),
              std::string::npos);
}

TEST_F(AddrDBTest, AWriteBackRunOfADamagedExchangeFileSaysWhy) {
    m_util.SetMode(1);
    ASSERT_TRUE(m_util.Run()) << m_log.Text();
    testsupport::WriteFile(DataFile(), std::string("\x10\x27\x00\x00", 4)); // 10000 records
    KeepSaved(m_temp.Folder(), "LNAddr.dat");
    m_util.SetMode(2);
    EXPECT_FALSE(m_util.Run());
    EXPECT_EQ(ErrorValue("Error.Count"), "1");
    EXPECT_EQ(ErrorValue("Error.1"),
              "Can not read the records to write back from the file LNAddr.dat.");
}

TEST_F(AddrDBTest, AWriteBackRunWritesTheExchangeFileIntoTheDatabase) {
    NOTEID id = AddNote([](NOTEHANDLE note) { AppendText(note, "FirstName", "Ann"); });
    m_util.SetMode(1);
    ASSERT_TRUE(m_util.Run()) << m_log.Text();
    CxLNAddrUtil client;
    client.SetTempFilePath(m_temp.Folder().c_str());
    tagCxLNAddrRec rec = WriteRec(LN_ORIGIN_MODIFIED, id);
    std::strcpy(rec.szFirstName, "Anna");
    client.AddRec(&rec);
    ASSERT_TRUE(client.SaveToFile(nullptr));
    KeepSaved(m_temp.Folder(), "LNAddr.dat");

    m_util.SetMode(2);
    ASSERT_TRUE(m_util.Run()) << m_log.Text();
    const Dump dump = DumpNote(id);
    const DumpedItem* first = FindItem(dump, "FirstName");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->value, "Anna");
}
