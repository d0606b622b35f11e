#pragma once

#include <QWidget>

namespace baritemp {

// A rectangle outline, no fill, 1-pixel pen. Takes no mouse input: presses reach the window.
// At any display scale each edge covers whole device pixels inside the widget.
class Shape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool glassMode READ glassMode WRITE setGlassMode)

public:
    explicit Shape(QWidget* parent = nullptr);
    const QColor& penColor() const { return pen_; }
    void setPenColor(const QColor& color);
    // Glass mode: a white pen (else black).
    bool glassMode() const { return pen_ == Qt::white; }
    void setGlassMode(bool on) { setPenColor(on ? Qt::white : Qt::black); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor pen_ = Qt::black;
};

} // namespace baritemp
