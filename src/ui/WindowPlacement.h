#pragma once

#include "ConfigSection.h"

class QWidget;

namespace baritemp {

class Settings;

// The placement record's view of a window (its Qt::WindowStates), for the main window's section
// of the configuration store.
class WindowPlacement : public PlacementTarget {
public:
    explicit WindowPlacement(QWidget* window) : window_(window) {}
    State state() override;
    bool applicationMinimised() override;
    void setState(State state) override;
    void minimiseApplication() override;

private:
    QWidget* window_;
};

// At the window's first show: the stored show state into it (the store's update block then
// writes the file when its folder exists). An error goes to the application error box.
void RestoreWindowPlacement(QWidget* window, Settings& settings);
// At closing, and at destruction when nothing was saved since: its show state into the store.
// An error goes to the application error box.
void SaveWindowPlacement(QWidget* window, Settings& settings);
// Whether the placement was saved since it was restored.
bool WindowPlacementSaved(Settings& settings);

} // namespace baritemp
