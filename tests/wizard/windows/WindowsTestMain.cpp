// The windows' tests run offscreen in the program's own application object.
#include <gtest/gtest.h>

#include "wizard/windows/app/Application.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    CxApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
