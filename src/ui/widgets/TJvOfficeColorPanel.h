#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace baritemp {

// A colour grid: 40 flat cells (8 columns, 5 rows) in a panel with a 1-pixel grey border. One
// entry is marked (drawn pressed): a cell, or the hidden default entry.
class TJvOfficeColorPanel : public QWidget {
public:
    // `defaultColor`: the colour of the hidden default entry; `selected`: the selection at
    // creation; `markDefault`: whether the hidden entry starts marked (else the cell of the
    // selected colour).
    TJvOfficeColorPanel(QWidget* parent, std::uint32_t defaultColor, std::uint32_t selected);

    static constexpr int kCells = 40;
    static constexpr int kHidden = -1; // the marked entry is the hidden default entry
    static std::uint32_t CellColor(int index);
    static const char* CellName(int index);
    // The colour's name as a screen reader says it, in the interface language.
    static QString CellSpokenName(int index, bool french);
    static QRect CellRect(int index);

    std::uint32_t SelectedColor() const { return selected_; }
    // By code: the marking follows the colour (the hidden entry, else the first cell of that
    // colour, else unchanged); OnColorChange when the colour changed.
    void setSelectedColor(std::uint32_t color);
    int MarkedEntry() const { return marked_; }
    // A left click on a cell (the mouse, or a screen reader's press action).
    void ClickCell(int index);

    QColor BackColor() const { return back_; }
    void setBackColor(const QColor& color);
    // Drawing through an off-screen buffer, on request: Qt always draws widgets that way.
    void setDoubleBuffered(bool) {}

    std::function<void()> OnColorChange;

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

    std::uint32_t defaultColor_;
    std::uint32_t selected_;
    int marked_ = kHidden;
    int hover_ = -2;
    QColor back_ = Qt::white;
};

} // namespace baritemp
