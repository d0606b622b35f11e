// GoogleTest main for tests of what needs QtCore's application object (translations), without
// windows.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    QCoreApplication application(qtArgc, argv);
    return RUN_ALL_TESTS();
}
