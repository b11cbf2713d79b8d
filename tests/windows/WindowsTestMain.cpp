// The windows' tests run offscreen with the product's look, as the program.
#include <gtest/gtest.h>

#include <QApplication>

#include "wizard/windows/ProductStyle.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyProductStyle(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
