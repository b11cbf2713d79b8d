// Our own program against the published API, as C99 and as C++98, on a
// stand-in installation holding the databases it expects.
#include <gtest/gtest.h>

#include "NotesFolder.h"
#include "RunProgram.h"

namespace {

class Conformance : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.Ok());
        const std::string data = m_folder.Path() + "/Data/";
        Notesdb({"create", data + "simple.nsf"});
        Notesdb({"import", data + "simple.nsf", SAMPLES_FOLDER "/simple.txt"});
        Notesdb({"create", data + "writable.nsf"});
        Notesdb({"id", data + "user.id", "Ann Example", "secret"});
    }

    void Notesdb(const std::vector<std::string>& args) {
        const RunResult r = RunProgram(NOTESDB_PROGRAM, args, m_folder.Path());
        ASSERT_EQ(r.status, 0) << args[0] << ": " << r.err;
    }

    testsupport::NotesFolder m_folder{NOTES_LIBRARY};
};

} // namespace

TEST_P(Conformance, EveryCallDoesWhatTheDocumentationSays) {
    const RunResult r = RunProgram(GetParam(), {}, m_folder.Path());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(Languages, Conformance,
                         ::testing::Values(CONFORMANCE_C99, CONFORMANCE_CXX98),
                         [](const auto& info) { return info.index == 0 ? "C99" : "Cxx98"; });
