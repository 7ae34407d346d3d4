#include <gtest/gtest.h>

#include <QApplication>

// The window tests need one QApplication for the whole run (offscreen in CI).
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
