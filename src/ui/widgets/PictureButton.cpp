#include "PictureButton.h"

#include "GlowLabel.h"
#include "WindowLook.h"

#include <QMouseEvent>
#include <QPainter>

namespace baritemp {

namespace {
bool present(const QPixmap& p) {
    return p.width() > 0 && p.height() > 0;
}
} // namespace

PictureButton::PictureButton(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureButton::setStatePictures(const StatePictures& pictures) {
    pictures_ = pictures;
    update();
}

bool PictureButton::stateDriven() const {
    return present(pictures_.hovered) || present(pictures_.pressed) ||
           present(pictures_.clicked1) || present(pictures_.clicked2) ||
           present(pictures_.disabled);
}

const QPixmap& PictureButton::pictureOf(State state) const {
    switch (state) {
    case State::Hovered:
        return pictures_.hovered;
    case State::Pressed:
        return pictures_.pressed;
    case State::Clicked1:
        return pictures_.clicked1;
    case State::Clicked2:
        return pictures_.clicked2;
    case State::Disabled:
        return pictures_.disabled;
    default:
        return picture_;
    }
}

const QPixmap& PictureButton::displayed() const {
    return stateDriven() ? pictureOf(state_) : picture_;
}

void PictureButton::goTo(State state) {
    if (!present(pictureOf(state)))
        return; // a missing picture changes nothing
    state_ = state;
    update();
}

void PictureButton::applyClickCount() {
    if (clicks_ == 0 || clicks_ == 3) {
        goTo(State::Normal);
        clicks_ = 0;
        return;
    }
    const State wanted = clicks_ == 1 ? State::Clicked1 : State::Clicked2;
    goTo(wanted);
    if (state_ != wanted) {
        clicks_ = 0;
        goTo(State::Normal);
    }
}

void PictureButton::setGlowSize(int pixels) {
    if (glowSize_ != pixels) {
        glowSize_ = pixels;
        update();
    }
}

void PictureButton::setGlassMode(bool on) {
    glassMode_ = on;
    setGlowSize(on && haloInGlassMode_ ? kGlowSize : 0);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& shown = displayed();
    if (glowSize_ > 0 && !shown.isNull()) {
        if (shown.cacheKey() != haloKey_ || glowSize_ != haloGlow_) {
            halo_ = GlowOf(shown.toImage(), qRound(glowSize_ * shown.devicePixelRatio()));
            haloKey_ = shown.cacheKey();
            haloGlow_ = glowSize_;
        }
        painter.drawImage(QPointF(0, 0), halo_);
    }
    painter.drawPixmap(0, 0, shown);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    if (stateDriven() && isEnabled())
        goTo(State::Hovered);
    QWidget::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    if (stateDriven() && isEnabled())
        applyClickCount();
    QWidget::leaveEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (stateDriven())
        goTo(State::Pressed);
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const QPoint p = event->position().toPoint();
    const bool over = rect().contains(p);
    // A left click (released over the button): the handler first, then the counter.
    if (event->button() == Qt::LeftButton && over) {
        emit clicked();
        if (stateDriven()) {
            ++clicks_;
            applyClickCount();
        }
    }
    if (!stateDriven())
        return;
    if (state_ == State::Clicked1 || state_ == State::Clicked2)
        return;
    if (p.x() > 0 && p.x() < width() && p.y() > 0 && p.y() < height()) {
        goTo(State::Hovered);
        if (state_ == State::Hovered)
            return;
    }
    applyClickCount();
}

} // namespace baritemp
