#include <gtest/gtest.h>

#include <QCoreApplication>

// Every test program has a Qt application object, so tests that need an
// event loop (serial port, timers, the engine) can run one.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
