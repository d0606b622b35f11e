#include "SystemSettingsNotifier.h"

#include "Desktop.h"

#include <QWidget>

namespace baritemp {

SystemSettingsNotifier::SystemSettingsNotifier(Desktop& desktop, QWidget* window)
    : QObject(window) {
    desktop.followSettingsChanges(window, [this] { emit settingsChanged(); });
}

} // namespace baritemp
