// Draws the program's artwork: run it to (re)make the PNG files and the Windows icon in
// resources/images. The pictures are ours, drawn from code, so that they can be changed and
// drawn again at any size: each is drawn in the layout's logical pixels, once at 96 dpi and
// once at twice that (name@2x.png, which Qt takes on a screen scaled to 150 % and more).
//   draw_artwork OUTPUT_FOLDER
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

namespace {

QString gOut;

// A transparent picture of `width` x `height` logical pixels at `scale` pixels each.
QImage canvas(int width, int height, qreal scale) {
    QImage image(QSize(width, height) * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

void save(const QImage& image, const QString& name) {
    const QString path = gOut + u'/' + name;
    if (!image.save(path, "PNG"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// A pressure gauge dial: steel rim, white face, scale marks, red needle. Used by the icon.
void drawGauge(QPainter& p, const QRectF& box, bool marks) {
    const QPointF c = box.center();
    const qreal r = box.width() / 2;
    QRadialGradient rim(c, r);
    rim.setColorAt(0.80, QColor(90, 96, 104));
    rim.setColorAt(0.92, QColor(210, 214, 220));
    rim.setColorAt(1.00, QColor(60, 64, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(c, r, r);
    QRadialGradient face(c - QPointF(r * 0.2, r * 0.2), r * 1.1);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(222, 226, 232));
    p.setBrush(face);
    p.drawEllipse(c, r * 0.82, r * 0.82);
    if (marks) {
        for (int i = 0; i <= 10; ++i) {
            const qreal a = qDegreesToRadians(225.0 - 27.0 * i);
            const QPointF dir(qCos(a), -qSin(a));
            p.setPen(QPen(i > 7 ? QColor(200, 30, 30) : QColor(30, 30, 40),
                          qMax<qreal>(1.0, r * (i % 5 == 0 ? 0.06 : 0.03))));
            p.drawLine(c + dir * r * 0.62, c + dir * r * (i % 5 == 0 ? 0.78 : 0.74));
        }
    }
    const qreal needle = qDegreesToRadians(225.0 - 27.0 * 6.5);
    const QPointF tip = c + QPointF(qCos(needle), -qSin(needle)) * r * 0.72;
    p.setPen(QPen(QColor(210, 20, 20), qMax<qreal>(1.0, r * 0.08), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, tip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 48));
    p.drawEllipse(c, r * 0.12, r * 0.12);
}

QImage icon(int size, qreal scale = 1) {
    QImage image = canvas(size, size, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGauge(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0), size >= 24);
    return image;
}

// The splash background: dark, with a red and white light flare right of centre; no text.
QImage splash(qreal scale) {
    QImage image = canvas(400, 100, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, 100);
    ground.setColorAt(0, QColor(18, 20, 26));
    ground.setColorAt(1, QColor(4, 4, 8));
    p.fillRect(QRectF(0, 0, 400, 100), ground);
    const QPointF flare(265, 48);
    QRadialGradient glow(flare, 140);
    glow.setColorAt(0.00, QColor(255, 255, 255, 255));
    glow.setColorAt(0.05, QColor(255, 210, 200, 230));
    glow.setColorAt(0.25, QColor(220, 30, 20, 150));
    glow.setColorAt(1.00, QColor(60, 0, 0, 0));
    p.fillRect(QRectF(0, 0, 400, 100), glow);
    // The flare's streaks.
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int i = 0; i < 2; ++i) {
        QLinearGradient streak(flare.x() - 200, 0, flare.x() + 200, 0);
        streak.setColorAt(0.0, QColor(0, 0, 0, 0));
        streak.setColorAt(0.5, i == 0 ? QColor(255, 240, 240, 200) : QColor(255, 60, 40, 120));
        streak.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(flare.x() - 200, flare.y() - (i == 0 ? 1 : 4), 400, i == 0 ? 2 : 8),
                   streak);
    }
    return image;
}

// The main window's background: an industrial pressure gauge on its stem and fitting, on a
// transparent background, 350 x 526. The fields cover most of it, so it stays quiet: light
// steel, a pale dial, the needle in the gauge's own red.
QImage background(qreal scale) {
    QImage image = canvas(350, 526, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.28);
    // Stem and hexagonal fitting below the dial.
    QLinearGradient steel(150, 0, 200, 0);
    steel.setColorAt(0, QColor(120, 126, 134));
    steel.setColorAt(0.5, QColor(235, 238, 242));
    steel.setColorAt(1, QColor(110, 116, 124));
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    p.drawRect(QRectF(160, 330, 30, 120));
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(60.0 * i);
        hex << QPointF(175 + 48 * qCos(a), 470 + 26 * qSin(a));
    }
    p.drawPolygon(hex);
    p.drawRect(QRectF(165, 490, 20, 36));
    drawGauge(p, QRectF(25, 35, 300, 300), true);
    return image;
}

// The tools symbol, 16 x 16: a spanner crossed with a screwdriver.
QImage tools(qreal scale) {
    QImage image = canvas(16, 16, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 90, 160), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 13), QPointF(12, 4)); // screwdriver shaft
    p.setPen(QPen(QColor(230, 160, 30), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 13.5), QPointF(5, 11)); // its handle
    p.setPen(QPen(QColor(110, 116, 124), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12.5, 12.5)); // spanner
    p.setBrush(QColor(110, 116, 124));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(3.5, 3.5), 3, 3);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawRect(QRectF(1.5, 1, 2, 2.5)); // the spanner's jaw
    return image;
}

// A round flag, 16 x 16, with a thin darker rim.
QImage flag(bool french, qreal scale) {
    QImage image = canvas(16, 16, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setClipPath(disc);
    if (french) {
        p.fillRect(QRectF(0, 0, 5.34, 16), QColor(0, 35, 149));
        p.fillRect(QRectF(5.33, 0, 5.34, 16), Qt::white);
        p.fillRect(QRectF(10.66, 0, 5.34, 16), QColor(237, 41, 57));
    } else {
        p.fillRect(QRectF(0, 0, 16, 16), QColor(1, 33, 105));
        p.setPen(QPen(Qt::white, 3.2));
        p.drawLine(QPointF(0, 0), QPointF(16, 16));
        p.drawLine(QPointF(16, 0), QPointF(0, 16));
        p.setPen(QPen(QColor(200, 16, 46), 1.2));
        p.drawLine(QPointF(0, 0), QPointF(16, 16));
        p.drawLine(QPointF(16, 0), QPointF(0, 16));
        p.fillRect(QRectF(6, 0, 4, 16), Qt::white);
        p.fillRect(QRectF(0, 6, 16, 4), Qt::white);
        p.fillRect(QRectF(6.8, 0, 2.4, 16), QColor(200, 16, 46));
        p.fillRect(QRectF(0, 6.8, 16, 2.4), QColor(200, 16, 46));
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    return image;
}

// A picture button, 89 x 28: a symbol (diskette or red cross) and a word. Looks: 0 normal,
// 1 hover (light-blue rounded frame, pale fill), 2 pressed (blue frame, deeper fill).
QImage button(bool save, const QString& word, int look, qreal scale) {
    QImage image = canvas(89, 28, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (look > 0) {
        p.setPen(QPen(look == 1 ? QColor(120, 180, 235) : QColor(40, 110, 200), 1));
        p.setBrush(look == 1 ? QColor(225, 240, 252, 230) : QColor(170, 205, 240, 240));
        p.drawRoundedRect(QRectF(0.5, 0.5, 88, 27), 4, 4);
    }
    const QRectF icon(6, 6, 16, 16);
    if (save) {
        p.setPen(QPen(QColor(30, 50, 90), 1));
        p.setBrush(QColor(60, 100, 170));
        p.drawRoundedRect(icon, 1.5, 1.5);
        p.setBrush(QColor(235, 238, 242));
        p.drawRect(QRectF(9, 6.5, 10, 6)); // the label
        p.setBrush(QColor(30, 50, 90));
        p.drawRect(QRectF(10, 16, 8, 5.5)); // the shutter
    } else {
        p.setPen(QPen(QColor(205, 30, 30), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(icon.topLeft() + QPointF(2, 2), icon.bottomRight() - QPointF(2, 2));
        p.drawLine(icon.topRight() + QPointF(-2, 2), icon.bottomLeft() + QPointF(2, -2));
    }
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(QColor(20, 20, 30));
    p.drawText(QRectF(25, 0, 63, 28), Qt::AlignCenter, word);
    return image;
}

// A Windows icon file holding PNG images (read by every Windows since Vista).
void saveIco(const QList<int>& sizes, const QString& name) {
    QList<QByteArray> pngs;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        icon(size).save(&buffer, "PNG");
        pngs << png;
    }
    QByteArray ico;
    const auto put16 = [&](int v) {
        ico.append(char(v & 0xFF));
        ico.append(char((v >> 8) & 0xFF));
    };
    const auto put32 = [&](qint64 v) {
        put16(int(v & 0xFFFF));
        put16(int((v >> 16) & 0xFFFF));
    };
    put16(0);
    put16(1);
    put16(int(sizes.size()));
    qint64 offset = 6 + 16 * sizes.size();
    for (int i = 0; i < sizes.size(); ++i) {
        ico.append(char(sizes[i] >= 256 ? 0 : sizes[i]));
        ico.append(char(sizes[i] >= 256 ? 0 : sizes[i]));
        ico.append(char(0));
        ico.append(char(0));
        put16(1);
        put16(32);
        put32(pngs[i].size());
        put32(offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs)
        ico.append(png);
    QFile file(gOut + u'/' + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(ico);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    gOut = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(gOut);
    const QList<int> sizes = {16, 24, 32, 48, 64, 128, 256};
    for (const int size : sizes)
        save(icon(size), QStringLiteral("icon_%1.png").arg(size));
    // The window icon's sizes, at twice their pixels too.
    for (const int size : {16, 32, 48})
        save(icon(size, 2), QStringLiteral("icon_%1@2x.png").arg(size));
    saveIco(sizes, QStringLiteral("baritemp.ico"));
    const struct {
        const char* name;
        bool save;
        const char* word;
    } buttons[] = {{"save_fr", true, "Enregistrer"},
                   {"cancel_fr", false, "Annuler"},
                   {"save_uk", true, "Save"},
                   {"cancel_uk", false, "Cancel"}};
    for (const qreal scale : {1.0, 2.0}) {
        const QString suffix = scale > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
        save(splash(scale), QStringLiteral("splash") + suffix);
        save(background(scale), QStringLiteral("background") + suffix);
        save(tools(scale), QStringLiteral("tools") + suffix);
        save(flag(true, scale), QStringLiteral("flag_fr") + suffix);
        save(flag(false, scale), QStringLiteral("flag_uk") + suffix);
        for (const auto& b : buttons) {
            const QString name = QString::fromLatin1(b.name);
            const QString word = QString::fromLatin1(b.word);
            save(button(b.save, word, 0, scale), name + suffix);
            save(button(b.save, word, 1, scale), name + QStringLiteral("_hover") + suffix);
            save(button(b.save, word, 2, scale), name + QStringLiteral("_down") + suffix);
        }
    }
    return 0;
}
