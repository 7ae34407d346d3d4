#include <gtest/gtest.h>

#include <QApplication>

// The window tests need one QApplication for the whole run. They choose the offscreen platform
// themselves, so that a bare ctest (test discovery included) runs without a display; the real
// program under Xvfb is tested apart.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
