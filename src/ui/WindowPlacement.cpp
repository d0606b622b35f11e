#include "WindowPlacement.h"

#include "BaritempApplication.h"
#include "Settings.h"

#include <QTimer>
#include <QWidget>

#include <exception>

namespace baritemp {

PlacementTarget::State WindowPlacement::state() {
    const Qt::WindowStates states = window_->windowState();
    if (states.testFlag(Qt::WindowMinimized))
        return State::Minimised;
    return states.testFlag(Qt::WindowMaximized) ? State::Maximised : State::Normal;
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
void withPlacement(QWidget* window, Settings& settings, Use use) {
    if (!settings.hasStore())
        return;
    try {
        WindowPlacement placement(window);
        use(settings.section(), placement);
    } catch (const std::exception& e) {
        BaritempApplication::reportError(e);
    }
}

} // namespace

void RestoreWindowPlacement(QWidget* window, Settings& settings) {
    withPlacement(window, settings, [](ConfigSection& record, WindowPlacement& placement) {
        record.restorePlacement(placement);
    });
}

void SaveWindowPlacement(QWidget* window, Settings& settings) {
    withPlacement(window, settings, [](ConfigSection& record, WindowPlacement& placement) {
        record.savePlacement(placement);
    });
}

bool WindowPlacementSaved(Settings& settings) {
    return settings.hasStore() && settings.section().saved();
}

} // namespace baritemp
