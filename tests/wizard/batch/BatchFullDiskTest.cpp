// A disk that fills up under a run: each file the front end or the helper
// writes fails in its turn, through the real programs, and the run must fail
// with its reason and leave the contacts as they were.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "NotesInstall.h"
#include "Preloaded.h"
#include "RunProgram.h"

namespace {

class BatchFullDisk : public ::testing::Test {
protected:
    void SetUp() override { Seed(); }
    void Seed() const {
        for (const char* end : {"", "-wal", "-shm"})
            std::remove((Db() + end).c_str());
        notes.Notesdb("create '" + Db() + "'");
        notes.Notesdb("seed '" + Db() + "' contacts 1000");
    }
    std::string Db() const { return notes.DataFile("names.nsf"); }
    // vxln-batch appending to every job title, with `full` (PROGRAM:FILE:N)
    // failing one file's writes.
    RunResult Batch(const std::string& full) const {
        std::remove(runs.File("runs").c_str());
        const testsupport::Preloaded disk(
            FULL_DISK_SHIM,
            {{"ZEMBRIK_FULL_DISK", full}, {"ZEMBRIK_FULL_DISK_RUNS", runs.File("runs")}});
        return RunProgram(VXLN_BATCH_PROGRAM,
                          {"contacts", "--contacts-db", Db(), "--append", "Job Title=!"},
                          notes.ProgramFolder());
    }

    NotesInstall notes;
    testsupport::TempDir runs; // counts the helper's runs
};

TEST_F(BatchFullDisk, EveryFileThatCanNotBeWrittenFailsTheRunAndChangesNothing) {
    const std::string host = "Zembrik.LNAddrHost";
    const struct {
        std::string full; // PROGRAM:FILE:N
        const char* said; // part of what the run says
    } cases[] = {
        // The front end, before the helper of the write-back starts.
        {"vxln-batch:LNAddrParam.dat:2", "parameter"},
        {"vxln-batch:LNAddr.dat:1", "LNAddr.dat"},
        {"vxln-batch:LNAddr.dat:2", "LNAddr.dat"},
        {"vxln-batch:LNAddr.dat.saved:1", "LNAddr.dat.saved"},
        // The helper, loading or writing back.
        // A load streams its records into a file that has no name until it is whole.
        {host + ":(unnamed):2", "LNAddr.dat"},
        {host + ":LNAddr.dat.seq:1", "LNAddr.dat.seq"},
        // The load stops at its next document and says why.
        {host + ":LNAddrStatus.dat:1", "The load stopped before its end: the file "},
        {host + ":LNAddrStatus.dat:3", "LNAddrStatus.dat can not be written"},
        // Without its error report the helper ends with a failure code.
        {host + ":LNAddrErr.dat:1", "exited with code 1"},
        // The helper of the write-back (its second run) stops before its first document.
        {host + "#2:LNAddrErr.dat:1", "exited with code 1"},
        {host + "#2:LNAddrStatus.dat:1", "LNAddrStatus.dat can not be written"},
    };
    const std::string before = notes.Dump("names.nsf");
    for (const auto& k : cases) {
        SCOPED_TRACE(k.full);
        const RunResult r = Batch(k.full);
        EXPECT_EQ(r.status, 1) << r.out << r.err;
        EXPECT_EQ(r.out.find("Records updating successfully."), std::string::npos) << r.out;
        EXPECT_NE((r.out + r.err).find(k.said), std::string::npos) << r.out << r.err;
        EXPECT_EQ(notes.Dump("names.nsf"), before);
        if (notes.Dump("names.nsf") != before) // the next case starts from the same contacts
            Seed();
    }
    // Nothing stands in the way without the full disk.
    const RunResult r = Batch("nobody:none:1");
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(notes.Dump("names.nsf"), before);
}

} // namespace
