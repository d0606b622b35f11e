#include "WindowPlacement.h"

#include "BaritempApplication.h"
#include "Settings.h"
#include "WinCodes.h"

#include <QTimer>
#include <QWidget>

#include <exception>

namespace baritemp {

int WindowPlacement::showCommand() {
    if (window_->isMinimized())
        return win::kSwShowMinimized;
    return window_->isMaximized() ? win::kSwShowMaximized : win::kSwShowNormal;
}

bool WindowPlacement::applicationMinimised() {
    return window_->isMinimized();
}

void WindowPlacement::setState(State state) {
    window_->setWindowState(state == State::Maximised ? Qt::WindowMaximized : Qt::WindowNoState);
}

void WindowPlacement::minimiseApplication() {
    QTimer::singleShot(0, window_, [w = window_] { w->showMinimized(); });
}

namespace {

// The store's placement record and this window, or the error in the application error box.
template <typename Use>
void withPlacement(QWidget* window, Use use) {
    if (!TheSettings().hasStore())
        return;
    try {
        WindowPlacement placement(window);
        use(TheSettings().section(), placement);
    } catch (const std::exception& e) {
        BaritempApplication::reportError(QString::fromUtf8(e.what()));
    }
}

} // namespace

void RestoreWindowPlacement(QWidget* window) {
    withPlacement(window, [](TJvFormConfig& record, WindowPlacement& placement) {
        record.RestoreFormPlacement(placement);
    });
}

void SaveWindowPlacement(QWidget* window) {
    withPlacement(window, [](TJvFormConfig& record, WindowPlacement& placement) {
        record.SaveFormPlacement(placement);
    });
}

bool WindowPlacementSaved() {
    return TheSettings().hasStore() && TheSettings().section().saved();
}

} // namespace baritemp
