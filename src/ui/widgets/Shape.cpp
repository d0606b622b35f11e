#include "Shape.h"

#include <QPainter>
#include <QTransform>
#include <QtMath>

namespace baritemp {

namespace {

// Where the outline goes, in device pixels, for a widget of `size` drawn through `device` (its
// painter's device transform).
QRect deviceOutline(const QTransform& device, const QSize& size) {
    // The device pixels wholly inside the widget: at 125 % a widget at y 27 starts at device row
    // 33.75, and a line on row 33 would fall outside it, one on 33.75 between two rows.
    const QRectF area = device.mapRect(QRectF(QPointF(0, 0), QSizeF(size)));
    constexpr qreal slack = 1.0 / 64; // rounding in the transform itself
    const int left = qCeil(area.left() - slack), top = qCeil(area.top() - slack);
    const int right = qFloor(area.right() + slack), bottom = qFloor(area.bottom() + slack);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// How thick the outline's edges are, in device pixels, at a display scale.
int devicePenWidth(qreal devicePixelRatio) {
    return qMax(1, qRound(devicePixelRatio));
}

} // namespace

Shape::Shape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setPenColor(const QColor& color) {
    pen_ = color;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    // The outline in whole device pixels, each edge as thick as one logical pixel rounds to, so
    // that no edge is lost or smeared at a fractional scale.
    QPainter painter(this);
    const QTransform device = painter.deviceTransform();
    const QRect outline = deviceOutline(device, size());
    const int pen = devicePenWidth(devicePixelRatioF());
    painter.setWorldTransform(device.inverted());
    painter.fillRect(QRect(outline.left(), outline.top(), outline.width(), pen), pen_);
    painter.fillRect(QRect(outline.left(), outline.bottom() - pen + 1, outline.width(), pen), pen_);
    painter.fillRect(QRect(outline.left(), outline.top(), pen, outline.height()), pen_);
    painter.fillRect(QRect(outline.right() - pen + 1, outline.top(), pen, outline.height()), pen_);
}

} // namespace baritemp
