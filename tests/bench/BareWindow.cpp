// The floor a Qt 6 Widgets program starts from: a window with two line edits and nothing
// else, mapped as fast as Qt maps a window. tools/startup_bench.sh compares the program with it,
// stage by stage.
#include "StartupTimeline.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
    using baritemp::StartupTimeline;
    StartupTimeline::mark("main");
    QApplication application(argc, argv);
    StartupTimeline::mark("application object");
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(360, 435);
    auto* first = new QLineEdit(&window);
    first->setGeometry(20, 36, 129, 21);
    auto* second = new QLineEdit(&window);
    second->setGeometry(192, 36, 129, 21);
    StartupTimeline::mark("main window built");
    StartupTimeline::markFirstFrame(&window, "main window's first frame");
    window.show();
    StartupTimeline::mark("main window shown");
    return QApplication::exec();
}
