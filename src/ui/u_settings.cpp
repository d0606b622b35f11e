#include "u_settings.h"

namespace baritemp {

Tf_settings::Tf_settings() : QDialog(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("f_settings"));
    setWindowTitle(QStringLiteral("Configuration"));
    setFixedSize(345, 341);
}

} // namespace baritemp
