#include "GlowLabel.h"

#include <QAbstractButton>
#include <QGraphicsEffect>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <vector>

namespace baritemp {

namespace {

// out[i]: the largest of in[i-r .. i+r] (the window shrinks at the ends).
void runningMaximum(const std::vector<int>& in, std::vector<int>& out, int r) {
    const int length = static_cast<int>(in.size());
    for (int i = 0; i < length; ++i) {
        int value = 0;
        for (int k = qMax(0, i - r); k <= qMin(length - 1, i + r); ++k)
            value = qMax(value, in[static_cast<std::size_t>(k)]);
        out[static_cast<std::size_t>(i)] = value;
    }
}

// out[i]: the mean of in[i-r .. i+r] (the window shrinks at the ends), kept as a sliding sum.
void runningMean(const std::vector<int>& in, std::vector<int>& out, int r) {
    const int length = static_cast<int>(in.size());
    int sum = 0;
    for (int k = 0; k <= qMin(length - 1, r); ++k)
        sum += in[static_cast<std::size_t>(k)];
    for (int i = 0; i < length; ++i) {
        const int lo = qMax(0, i - r), hi = qMin(length - 1, i + r);
        out[static_cast<std::size_t>(i)] = sum / (hi - lo + 1);
        if (i + r + 1 < length)
            sum += in[static_cast<std::size_t>(i + r + 1)];
        if (i - r >= 0)
            sum -= in[static_cast<std::size_t>(i - r)];
    }
}

// A w x h plane through a line filter: every row, or every column, one line at a time.
using LineFilter = void (*)(const std::vector<int>&, std::vector<int>&, int);
void filterLines(const std::vector<int>& from, std::vector<int>& to, int w, int h, bool rows,
                 LineFilter filter, int r) {
    const int lines = rows ? h : w, length = rows ? w : h;
    const std::size_t step = rows ? 1 : static_cast<std::size_t>(w);
    std::vector<int> in(static_cast<std::size_t>(length)), out(in.size());
    for (int l = 0; l < lines; ++l) {
        const std::size_t first = rows ? static_cast<std::size_t>(l) * w : l;
        bool blank = true;
        for (int i = 0; i < length; ++i) {
            in[static_cast<std::size_t>(i)] = from[first + i * step];
            blank = blank && in[static_cast<std::size_t>(i)] == 0;
        }
        // Both filters keep a line of nothing as it is: most of a label's width is empty.
        if (blank)
            std::fill(out.begin(), out.end(), 0);
        else
            filter(in, out, r);
        for (int i = 0; i < length; ++i)
            to[first + i * step] = out[static_cast<std::size_t>(i)];
    }
}

} // namespace

QImage GlowOf(const QImage& picture, int radius) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = source.width(), h = source.height();
    if (w == 0 || h == 0 || radius <= 0)
        return {};
    // The glyphs' coverage, spread (a running maximum over the radius, rows then columns),
    // then softened (a running mean over the radius): full strength next to the glyphs,
    // fading to nothing at the radius.
    std::vector<int> a(static_cast<std::size_t>(w) * h), b(a.size());
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x)
            a[static_cast<std::size_t>(y) * w + x] = qAlpha(line[x]);
    }
    const int spread = qMax(1, radius / 3);
    filterLines(a, b, w, h, true, runningMaximum, spread);
    filterLines(b, a, w, h, false, runningMaximum, spread);
    filterLines(a, b, w, h, true, runningMean, radius);
    filterLines(b, a, w, h, false, runningMean, radius);
    QImage halo(w, h, QImage::Format_ARGB32_Premultiplied);
    halo.setDevicePixelRatio(picture.devicePixelRatio());
    // Faded out towards the picture's edges, where it would otherwise end in a hard line.
    const int fade = qMax(1, radius / 2);
    const auto edge = [fade](int i, int length) { return qMin(fade, qMin(i + 1, length - i)); };
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(halo.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int near = qMin(edge(x, w), edge(y, h));
            const int alpha = qMin(255, a[static_cast<std::size_t>(y) * w + x] * 2) * near / fade;
            line[x] = qRgba(alpha, alpha, alpha, alpha); // white, premultiplied
        }
    }
    return halo;
}

GlowLabel::GlowLabel(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void GlowLabel::setGlowSize(int pixels) {
    if (glowSize_ != pixels) {
        glowSize_ = pixels;
        applyGlow();
        update();
    }
}

void GlowLabel::setGlassMode(bool on) {
    if (glassMode_ != on) {
        glassMode_ = on;
        applyGlow();
        update();
    }
}

void GlowLabel::setTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QSize GlowLabel::sizeHint() const {
    const QSize hint = QLabel::sizeHint();
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1.0 || font().pixelSize() <= 0 || text().isEmpty())
        return hint;
    QFont device = font();
    device.setPixelSize(qCeil(font().pixelSize() * ratio));
    const QFontMetricsF metrics(device);
    const QMargins margins = contentsMargins();
    const QSize needed(qCeil(metrics.horizontalAdvance(text()) / ratio) + margins.left() +
                           margins.right() + 2 * margin(),
                       qCeil(metrics.height() / ratio) + margins.top() + margins.bottom() +
                           2 * margin());
    return hint.expandedTo(needed);
}

void GlowLabel::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    if (devicePixelRatioF() == 1.0)
        return; // the layout's own sizes
    const int needed = sizeHint().height();
    if (height() < needed)
        resize(width(), needed);
}

namespace {

// A text of blanks alone, in a plain font on no frame: nothing to draw, and no font to load.
bool DrawsNothing(const QLabel& label) {
    const QFont& f = label.font();
    return label.frameShape() == QFrame::NoFrame && label.pixmap().isNull() &&
           !label.text().isEmpty() && label.text().trimmed().isEmpty() && !f.underline() &&
           !f.overline() && !f.strikeOut();
}

} // namespace

// The label drawn with its halo around it: the glyphs' coverage spread and softened on a canvas
// wider than the label by the halo's reach, so that it fades to nothing around the letters
// instead of ending at the label's edges.
class GlowEffect : public QGraphicsEffect {
public:
    explicit GlowEffect(int glowSize) : glowSize_(glowSize) {}

    static int reach(int glowSize) { return glowSize + glowSize / 3 + 2; }

    QRectF boundingRectFor(const QRectF& rect) const override {
        const int r = reach(glowSize_);
        return rect.adjusted(-r, -r, r, r);
    }

protected:
    void draw(QPainter* painter) override {
        QPoint offset;
        const QPixmap label = sourcePixmap(Qt::LogicalCoordinates, &offset,
                                           QGraphicsEffect::PadToEffectiveBoundingRect);
        if (label.isNull())
            return;
        if (label.cacheKey() != key_) {
            // At the picture's own resolution: the screen's pixels at any scale.
            halo_ = GlowOf(label.toImage(), qRound(glowSize_ * label.devicePixelRatio()));
            key_ = label.cacheKey();
        }
        painter->drawImage(offset, halo_);
        painter->drawPixmap(offset, label);
    }

private:
    int glowSize_;
    QImage halo_;
    qint64 key_ = 0;
};

QAbstractButton* GlowLabel::buddyButton() const {
    return qobject_cast<QAbstractButton*>(buddy());
}

void GlowLabel::mousePressEvent(QMouseEvent* event) {
    if (buddyButton() == nullptr) {
        QLabel::mousePressEvent(event); // a plain label's press reaches its window
        return;
    }
    event->accept();
}

void GlowLabel::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractButton* button = buddyButton();
    if (button == nullptr) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        button->click();
}

void GlowLabel::applyGlow() {
    const bool glowing = glassMode_ && glowSize_ > 0;
    if (glowing == (graphicsEffect() != nullptr) && glowSize_ == effectGlow_)
        return;
    effectGlow_ = glowSize_;
    setGraphicsEffect(glowing ? new GlowEffect(glowSize_) : nullptr); // the old one is deleted
}

void GlowLabel::paintEvent(QPaintEvent* event) {
    if (DrawsNothing(*this))
        return;
    QLabel::paintEvent(event);
    if (hasFocus()) {
        // The keyboard's mark on a label it reaches (the link), dotted, in the text's colour.
        QPainter painter(this);
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace baritemp
