// GoogleTest main for tests that need a QApplication (run with QT_QPA_PLATFORM=offscreen).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    return RUN_ALL_TESTS();
}
