#include "PictureButton.h"

#include "GlowLabel.h"
#include "WindowLook.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace baritemp {

namespace {
bool present(const QPixmap& p) {
    return p.width() > 0 && p.height() > 0;
}
} // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus); // a picture clicked keeps the focus where it was
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
    if (hasFocus()) {
        // The keyboard's mark, as Windows draws it on a focused control: dotted, inside.
        QPen pen(glassMode_ ? Qt::white : Qt::black, 1, Qt::DotLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
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

void PictureButton::keyPressEvent(QKeyEvent* event) {
    // Space is Qt's button key; Enter presses it too, as on a hyperlink or a default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
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
        emit clicked(false);
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
