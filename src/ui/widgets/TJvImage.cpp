#include "TJvImage.h"

#include "GlowLabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace baritemp {

namespace {
bool present(const QPixmap& p) {
    return p.width() > 0 && p.height() > 0;
}
} // namespace

TJvImage::TJvImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void TJvImage::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TJvImage::setPictures(const PicturesGroup& pictures) {
    pictures_ = pictures;
    update();
}

bool TJvImage::stateDriven() const {
    return present(pictures_.PicEnter) || present(pictures_.PicDown) ||
           present(pictures_.PicClicked1) || present(pictures_.PicClicked2) ||
           present(pictures_.PicDisabled);
}

const QPixmap& TJvImage::pictureOf(TPicState state) const {
    switch (state) {
    case TPicState::stEntered:
        return pictures_.PicEnter;
    case TPicState::stDown:
        return pictures_.PicDown;
    case TPicState::stClicked1:
        return pictures_.PicClicked1;
    case TPicState::stClicked2:
        return pictures_.PicClicked2;
    case TPicState::stDisabled:
        return pictures_.PicDisabled;
    default:
        return picture_;
    }
}

const QPixmap& TJvImage::Displayed() const {
    return stateDriven() ? pictureOf(state_) : picture_;
}

void TJvImage::goTo(TPicState state) {
    if (!present(pictureOf(state)))
        return; // a missing picture changes nothing
    state_ = state;
    update();
}

void TJvImage::applyClickCount() {
    if (clicks_ == 0 || clicks_ == 3) {
        goTo(TPicState::stDefault);
        clicks_ = 0;
        return;
    }
    const TPicState wanted = clicks_ == 1 ? TPicState::stClicked1 : TPicState::stClicked2;
    goTo(wanted);
    if (state_ != wanted) {
        clicks_ = 0;
        goTo(TPicState::stDefault);
    }
}

void TJvImage::setGlowSize(int pixels) {
    if (glowSize_ != pixels) {
        glowSize_ = pixels;
        update();
    }
}

void TJvImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& shown = Displayed();
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

void TJvImage::enterEvent(QEnterEvent* event) {
    if (stateDriven() && isEnabled())
        goTo(TPicState::stEntered);
    QWidget::enterEvent(event);
}

void TJvImage::leaveEvent(QEvent* event) {
    if (stateDriven() && isEnabled())
        applyClickCount();
    QWidget::leaveEvent(event);
}

void TJvImage::mousePressEvent(QMouseEvent* event) {
    if (stateDriven())
        goTo(TPicState::stDown);
    event->accept();
}

void TJvImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const QPoint p = event->position().toPoint();
    const bool over = rect().contains(p);
    // A left click (released over the button): the handler first, then the counter.
    if (event->button() == Qt::LeftButton && over) {
        if (OnClick)
            OnClick();
        if (stateDriven()) {
            ++clicks_;
            applyClickCount();
        }
    }
    if (!stateDriven())
        return;
    if (state_ == TPicState::stClicked1 || state_ == TPicState::stClicked2)
        return;
    if (p.x() > 0 && p.x() < width() && p.y() > 0 && p.y() < height()) {
        goTo(TPicState::stEntered);
        if (state_ == TPicState::stEntered)
            return;
    }
    applyClickCount();
}

} // namespace baritemp
