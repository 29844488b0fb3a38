#include <gtest/gtest.h>

#include <QApplication>

// Window tests need a full widget application; the test environment selects the
// offscreen platform, so no display is required.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
