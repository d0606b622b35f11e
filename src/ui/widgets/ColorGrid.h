#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace baritemp {

// A colour grid: 40 flat cells (8 columns, 5 rows) in a panel with a 1-pixel grey border. One
// entry is marked (drawn pressed): a cell, or the hidden default entry.
class ColorGrid : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool glassMode READ glassMode WRITE setGlassMode)

public:
    // `defaultColor`: the colour of the hidden default entry (an invalid QColor: the default
    // colour, which no cell has); `selected`: the selection at creation. The hidden entry starts
    // marked when the selection is its colour, else the cell of the selected colour.
    ColorGrid(QWidget* parent, const QColor& defaultColor, const QColor& selected);

    static constexpr int kCells = 40;
    static constexpr int kHidden = -1; // the marked entry is the hidden default entry
    static QColor cellColor(int index);
    // The cell's tooltip: its English name, in both interface languages.
    static const char* cellName(int index);
    // The colour's name as a screen reader says it, in the interface language.
    static QString cellSpokenName(int index);
    static QRect cellRect(int index);

    QColor selectedColor() const { return selected_; }
    // By code: the marking follows the colour (the hidden entry, else the first cell of that
    // colour, else unchanged); colorChanged() when the colour changed.
    void setSelectedColor(const QColor& color);
    int markedEntry() const { return marked_; }

    QColor backgroundColor() const { return back_; }
    void setBackgroundColor(const QColor& color);
    // Glass mode: a black panel (else white).
    bool glassMode() const { return back_ == Qt::black; }
    void setGlassMode(bool on) { setBackgroundColor(on ? Qt::black : Qt::white); }

public slots:
    // A left click on a cell (the mouse, or a screen reader's press action).
    void clickCell(int index);

signals:
    void colorChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    int cellAt(const QPoint& p) const;
    void setMarked(int entry);

    QColor defaultColor_;
    QColor selected_;
    int marked_ = kHidden;
    int hover_ = -2;
    QColor back_ = Qt::white;
};

} // namespace baritemp
