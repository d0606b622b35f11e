#include "GlowLabel.h"

#include <QPainter>
#include <QPainterPath>

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

GlowLabel::GlowLabel(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void GlowLabel::setGlowSize(int pixels) {
    if (glowSize_ != pixels) {
        glowSize_ = pixels;
        update();
    }
}

void GlowLabel::setOnGlass(bool onGlass) {
    if (onGlass_ != onGlass) {
        onGlass_ = onGlass;
        update();
    }
}

void GlowLabel::setTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void GlowLabel::paintEvent(QPaintEvent* event) {
    if (!onGlass_ || glowSize_ <= 0) {
        QLabel::paintEvent(event);
        return;
    }
    // The halo: the text outline stroked wide in translucent white, then the text itself.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect box = contentsRect();
    const QFontMetrics metrics(font());
    const QRect textBox = metrics.boundingRect(box, static_cast<int>(alignment()), text());
    QPainterPath path;
    path.addText(textBox.left(), textBox.top() + metrics.ascent(), font(), text());
    for (int r = glowSize_; r > 0; r -= 2) {
        painter.setPen(
            QPen(QColor(255, 255, 255, 40), 2 * r, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(box, static_cast<int>(alignment()), text());
}

} // namespace baritemp
