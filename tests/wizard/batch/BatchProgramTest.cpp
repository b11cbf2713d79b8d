// vxln-batch as a program: what it says and its exit status before any load.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "TestSupport.h"

namespace {

int RunProgram(const std::string& args, std::string* out) {
    const std::string command =
        std::string("'") + VXLN_BATCH_PROGRAM + "' " + args + " 2>&1 </dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    std::array<char, 4096> chunk;
    size_t n;
    out->clear();
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        out->append(chunk.data(), n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(BatchProgram, ExitStatusAndTexts) {
    testsupport::IsolatedEnv env;
    std::string out;
    EXPECT_EQ(RunProgram("--help", &out), 0);
    EXPECT_EQ(out.rfind("Usage: vxln-batch [OPTIONS] KIND\n", 0), 0u);
    EXPECT_EQ(RunProgram("--list-fields contacts", &out), 0);
    EXPECT_NE(out.find("Children's Names\tString\n"), std::string::npos);
    EXPECT_EQ(RunProgram("tasks --choice 'Importance=High'", &out), 2);
    EXPECT_EQ(out, "vxln-batch: --choice \"Importance=High\": The field \"Importance\" offers no "
                   "choices to set.\nTry 'vxln-batch --help'.\n");
    EXPECT_EQ(RunProgram("contacts --password secret --set 'Last Name=X'", &out), 2);
    EXPECT_EQ(RunProgram("contacts --replace 'Last Name:=X'", &out), 2);
    EXPECT_NE(out.find("The replace find value can not be empty. Please enter some content."),
              std::string::npos);
}

} // namespace
