#pragma once

#include "JvFormConfig.h"

class QWidget;

namespace baritemp {

// The placement record's view of a window (its show state), for the main window's section of
// the configuration store (TJvFormConfig).
class WindowPlacement : public PlacementTarget {
public:
    explicit WindowPlacement(QWidget* window) : window_(window) {}
    int showCommand() override;
    bool applicationMinimised() override;
    void setState(State state) override;
    void minimiseApplication() override;

private:
    QWidget* window_;
};

// At the window's first show: the stored show state into it (the store's update block then
// writes the file when its folder exists). An error goes to the application error box.
void RestoreWindowPlacement(QWidget* window);
// At closing, and at destruction when nothing was saved since: its show state into the store.
// An error goes to the application error box.
void SaveWindowPlacement(QWidget* window);
// Whether the placement was saved since it was restored.
bool WindowPlacementSaved();

} // namespace baritemp
