#include "Shape.h"

#include <QPainter>

namespace baritemp {

Shape::Shape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setPenColor(const QColor& color) {
    pen_ = color;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(pen_, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace baritemp
