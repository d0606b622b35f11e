#include "WindowLook.h"

#include "GlowLabel.h"

#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

#include <map>

namespace baritemp {

namespace {

// The families a font is asked in, the missing ones left out: looked up once per family for the
// whole program (a memo of the system's fonts, which do not change while it runs; each look-up
// costs a font match). Asking for a family the system lacks costs a search of its fallbacks (the
// whole font list sorted) with every new size and style.
const QStringList& InstalledFamilies(const QString& name) {
    static std::map<QString, QStringList> known;
    const auto found = known.find(name);
    if (found != known.end())
        return found->second;
    // Close stand-ins where the Windows fonts are missing: Carlito has Calibri's metrics, and
    // the condensed DejaVu comes near Tahoma's width.
    QStringList wanted{name};
    if (name == QStringLiteral("Calibri"))
        wanted << QStringLiteral("Carlito") << QStringLiteral("Nimbus Sans Narrow");
    else
        wanted << QStringLiteral("DejaVu Sans Condensed") << QStringLiteral("Nimbus Sans");
    QStringList installed;
    for (const QString& family : wanted) {
        if (QFontDatabase::hasFamily(family))
            installed << family;
    }
    // None of them: the font system's own choice for the whole list, as before.
    return known.emplace(name, installed.isEmpty() ? wanted : installed).first->second;
}

} // namespace

QFont MakeFont(const char* family, int pixels, bool bold, bool italic) {
    const QStringList& families = InstalledFamilies(QString::fromLatin1(family));
    QFont f(families.front());
    f.setFamilies(families);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void ApplyGlassLook(QWidget* window, const GlassLook& look) {
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
