// The window suites' main: one QApplication, offscreen unless a platform is asked for.
#include <QApplication>

#include <gtest/gtest.h>

// One QApplication for the whole suite, on Qt's offscreen platform unless another one is asked for.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
