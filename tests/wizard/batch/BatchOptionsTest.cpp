// The command line of vxln-batch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard/batch/BatchOptions.h"

namespace {

bool Parse(std::vector<const char*> args, tagBatchOptions* o, std::string* error) {
    args.insert(args.begin(), "vxln-batch");
    return ParseBatchOptions(static_cast<int>(args.size()), args.data(), o, error);
}

TEST(BatchOptions, KindAccessAndUpdatesInOrder) {
    tagBatchOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--server", "Hub", "contacts", "--user=Jane Doe", "--set",
                       "Last Name=Miller", "--updates", "u.txt", "--true=Private", "--where",
                       "Company=Acme", "--dry-run", "--mail-db="},
                      &o, &error))
        << error;
    EXPECT_EQ(o.kind, "contacts");
    EXPECT_TRUE(o.server.bGiven);
    EXPECT_EQ(o.server.value, "Hub");
    EXPECT_EQ(o.user.value, "Jane Doe");
    EXPECT_TRUE(o.mailDB.bGiven);
    EXPECT_EQ(o.mailDB.value, "");
    EXPECT_FALSE(o.addrFile.bGiven);
    ASSERT_EQ(o.updates.size(), 3u);
    EXPECT_EQ(o.updates[0].op, "set");
    EXPECT_EQ(o.updates[0].text, "Last Name=Miller");
    EXPECT_EQ(o.updates[1].op, "updates");
    EXPECT_EQ(o.updates[2].op, "true");
    EXPECT_EQ(o.updates[2].text, "Private");
    EXPECT_EQ(o.where, std::vector<std::string>{"Company=Acme"});
    EXPECT_TRUE(o.bDryRun);
    EXPECT_EQ(o.passwordMode, BATCH_PASSWORD_DEFAULT);
}

TEST(BatchOptions, PasswordModesAndFlags) {
    tagBatchOptions o;
    std::string error;
    ASSERT_TRUE(
        Parse({"--password-stdin", "--help", "--version", "--list-fields", "tasks"}, &o, &error));
    EXPECT_EQ(o.passwordMode, BATCH_PASSWORD_STDIN);
    EXPECT_TRUE(o.bHelp);
    EXPECT_TRUE(o.bVersion);
    EXPECT_EQ(o.listFields, "tasks");
    tagBatchOptions n;
    ASSERT_TRUE(Parse({"--no-password", "--", "--odd-kind"}, &n, &error));
    EXPECT_EQ(n.passwordMode, BATCH_PASSWORD_NONE);
    EXPECT_EQ(n.kind, "--odd-kind");
}

TEST(BatchOptions, UsageErrors) {
    struct Case {
        std::vector<const char*> args;
        const char* message;
    } cases[] = {
        {{"--password", "x"},
         "The password is never taken from the command line; use --password-stdin or type it at "
         "the prompt."},
        {{"--password=x"},
         "The password is never taken from the command line; use --password-stdin or type it at "
         "the prompt."},
        {{"--colour"}, "Unknown option \"--colour\"."},
        {{"--dry-run=yes"}, "Unknown option \"--dry-run=yes\"."},
        {{"contacts", "--set"}, "The option --set needs a value."},
        {{"contacts", "tasks"}, "Give one record kind only; \"tasks\" is one too many."},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.message);
        tagBatchOptions o;
        std::string error;
        EXPECT_FALSE(Parse(k.args, &o, &error));
        EXPECT_EQ(error, k.message);
    }
}

TEST(BatchOptions, TheHelpDocumentsEveryOption) {
    const std::string usage = kBatchUsage;
    for (const char* option :
         {"--notes-path",  "--contacts-db",    "--server",      "--user",     "--mail-db",
          "--id-file",     "--password-stdin", "--no-password", "--set",      "--append",
          "--insert",      "--replace",        "--date",        "--datetime", "--true",
          "--false",       "--choice",         "--updates",     "--where",    "--dry-run",
          "--list-fields", "--help",           "--version"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

} // namespace
