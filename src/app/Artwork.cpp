#include "Artwork.h"

#include <QGuiApplication>
#include <QString>

namespace baritemp {

QPixmap ArtworkPicture(const char* name) {
    const QString base = QStringLiteral(":/images/") + QString::fromLatin1(name);
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        QPixmap twice(base + QStringLiteral("@2x.png"));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2.0);
            return twice;
        }
    }
    return QPixmap(base + QStringLiteral(".png"));
}

} // namespace baritemp
