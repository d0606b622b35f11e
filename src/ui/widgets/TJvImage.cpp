#include "TJvImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace baritemp {

TJvImage::TJvImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void TJvImage::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TJvImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void TJvImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TJvImage::mouseReleaseEvent(QMouseEvent* event) {
    // A press released outside the picture is no click.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click && OnClick)
        OnClick();
}

} // namespace baritemp
