// GoogleTest main for tests that need a QApplication: offscreen unless told otherwise, so that
// they run (and can be listed) without a display.
#include "BaritempApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifndef _WIN32
    // On Windows the real "windows" platform (under Wine: on its virtual display).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // The program's own application object: errors leaving event handlers end in its notify.
    baritemp::BaritempApplication application(argv[0]);
    return RUN_ALL_TESTS();
}
