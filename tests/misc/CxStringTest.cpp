#include <gtest/gtest.h>

#include "common/misc/CxString.h"

TEST(CxString, CopiesAreCutAndTerminated) {
    char buf[4] = {'x', 'x', 'x', 'x'};
    CxStrCopy(buf, "abcdef");
    EXPECT_STREQ(buf, "abc");
    CxStrCopy(buf, nullptr);
    EXPECT_STREQ(buf, "");
    CxStrCopyN(buf, sizeof buf, "abcdef", 2);
    EXPECT_STREQ(buf, "ab");
    CxStrFormat(buf, sizeof buf, "%d", 123456);
    EXPECT_STREQ(buf, "123");
    CxStrCopy(buf, 0, "zz"); // no room: untouched
    EXPECT_STREQ(buf, "123");
}
