#pragma once

#include <QDialog>

namespace baritemp {

// The settings window, created hidden at start-up and shown modally on demand.
class Tf_settings : public QDialog {
public:
    Tf_settings();
};

} // namespace baritemp
