#include "WindowLook.h"

#include "GlowLabel.h"
#include "Platform.h"

#include <QStringList>
#include <QWidget>

namespace baritemp {

QFont MakeFont(const char* family, int pixels, bool bold, bool italic) {
    // Close stand-ins where the Windows fonts are missing: Carlito has Calibri's metrics, and
    // the condensed DejaVu comes near Tahoma's width.
    const QString name = QString::fromLatin1(family);
    QStringList families{name};
    if (name == QStringLiteral("Calibri"))
        families << QStringLiteral("Carlito") << QStringLiteral("Nimbus Sans Narrow");
    else
        families << QStringLiteral("DejaVu Sans Condensed") << QStringLiteral("Nimbus Sans");
    QFont f(name);
    f.setFamilies(families);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QColor ColorFromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

void ApplyGlassLook(QWidget* window, const GlassLook& look) {
    Platform::current().setGlass(window, look.frame);
    QPalette p = window->palette();
    p.setColor(QPalette::Window, look.blackGround ? Qt::black : Qt::white);
    window->setPalette(p);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<GlowLabel*>(widget)) {
            label->setGlowSize(look.glowSize);
            label->setGlassMode(look.glass);
        } else if (widget->metaObject()->indexOfProperty("glassMode") >= 0) {
            widget->setProperty("glassMode", look.glass);
        }
    }
}

} // namespace baritemp
