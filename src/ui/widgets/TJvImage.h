#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace baritemp {

// A clickable picture, drawn with its alpha channel over the window.
class TJvImage : public QWidget {
public:
    explicit TJvImage(QWidget* parent = nullptr);

    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool pressed_ = false;
};

} // namespace baritemp
