#pragma once

#include <QObject>

class QWidget;

namespace baritemp {

class Desktop;

// The system's announcements of changed settings (the regional ones among them) as a signal:
// those the system sends to `window`, for as long as it lives.
class SystemSettingsNotifier : public QObject {
    Q_OBJECT

public:
    SystemSettingsNotifier(Desktop& desktop, QWidget* window);

signals:
    void settingsChanged();
};

} // namespace baritemp
