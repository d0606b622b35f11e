#include "Artwork.h"

#include "PackedPicture.h"

#include <QGuiApplication>
#include <QResource>
#include <QString>

namespace baritemp {

namespace {

// A drawing as the resources keep it, ready to draw (see PackedPicture.h); null when missing.
QPixmap ReadPicture(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid())
        return {};
    return QPixmap::fromImage(UnpackPicture(resource.uncompressedData()));
}

} // namespace

QPixmap ArtworkPicture(const char* name) {
    return ArtworkPicture(name, qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap ArtworkPicture(const char* name, qreal ratio) {
    const QString base = QStringLiteral(":/images/") + QString::fromLatin1(name);
    if (ratio > 1.0) {
        QPixmap twice = ReadPicture(base + QStringLiteral("@2x"));
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2.0);
            return twice;
        }
    }
    return ReadPicture(base);
}

} // namespace baritemp
