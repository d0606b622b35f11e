#pragma once

#include <QTransform>
#include <QWidget>

namespace baritemp {

// A rectangle outline, no fill, 1-pixel pen. Takes no mouse input: presses reach the window.
// At any display scale each edge covers whole device pixels inside the widget.
class Shape : public QWidget {
public:
    explicit Shape(QWidget* parent = nullptr);
    const QColor& penColor() const { return pen_; }
    void setPenColor(const QColor& color);

    // Where the outline goes, in device pixels, for a widget of `size` drawn through `device`
    // (its painter's device transform); and how thick its edges are at a scale.
    static QRect DeviceOutline(const QTransform& device, const QSize& size);
    static int DevicePenWidth(qreal devicePixelRatio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor pen_ = Qt::black;
};

} // namespace baritemp
