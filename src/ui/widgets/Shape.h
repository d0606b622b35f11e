#pragma once

#include <QWidget>

namespace baritemp {

// A rectangle outline, no fill, 1-pixel pen. Takes no mouse input: presses reach the window.
// At any display scale each edge covers whole device pixels inside the widget.
class Shape : public QWidget {
public:
    explicit Shape(QWidget* parent = nullptr);
    const QColor& penColor() const { return pen_; }
    void setPenColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor pen_ = Qt::black;
};

} // namespace baritemp
