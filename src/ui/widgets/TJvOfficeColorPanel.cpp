#include "TJvOfficeColorPanel.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace baritemp {

namespace {

struct Cell {
    const char* name;
    int r, g, b;
};

// Row by row, columns left to right; the names are the tooltips, in English in both languages.
constexpr Cell kCellTable[40] = {
    {"Black", 0, 0, 0},
    {"Brown", 153, 51, 0},
    {"Olive Green", 51, 51, 0},
    {"Dark Green", 0, 51, 0},
    {"Dark Teal", 0, 51, 102},
    {"Dark Blue", 0, 0, 128},
    {"Indigo", 51, 51, 153},
    {"Gray 80%", 51, 51, 51},
    {"Dark Red", 128, 0, 0},
    {"Orange", 255, 102, 0},
    {"Dark Yellow", 128, 128, 0},
    {"Green", 0, 128, 0},
    {"Teal", 0, 128, 128},
    {"Blue", 0, 0, 255},
    {"Blue Gray", 102, 102, 153},
    {"Gray 50%", 128, 128, 128},
    {"Red", 255, 0, 0},
    {"Light Orange", 255, 153, 0},
    {"Lime", 153, 204, 0},
    {"Sea Green", 51, 153, 102},
    {"Aqua", 51, 153, 153},
    {"Light Blue", 51, 102, 255},
    {"Violet", 128, 0, 128},
    {"Gray 40%", 153, 153, 153},
    {"Pink", 255, 0, 255},
    {"Gold", 255, 204, 0},
    {"Yellow", 255, 255, 0},
    {"Bright Green", 0, 255, 0},
    {"Turquoise", 0, 255, 255},
    {"Sky blue", 166, 202, 240},
    {"Plum", 153, 51, 102},
    {"Gray 25%", 192, 192, 192},
    {"Rose", 255, 153, 204},
    {"Tan", 255, 204, 153},
    {"Light Yellow", 255, 255, 153},
    {"Light Green", 204, 255, 204},
    {"Light Turquoise", 204, 255, 255},
    {"Pale Blue", 153, 204, 255},
    {"Lavender", 204, 153, 255},
    {"White", 255, 255, 255},
};

const QColor kGrey(128, 128, 128);

} // namespace

std::uint32_t TJvOfficeColorPanel::CellColor(int index) {
    const Cell& c = kCellTable[index];
    return static_cast<std::uint32_t>(c.r + 256 * c.g + 65536 * c.b);
}

const char* TJvOfficeColorPanel::CellName(int index) {
    return kCellTable[index].name;
}

// Border 1 + margin 4, cells of 18 with no gap.
QRect TJvOfficeColorPanel::CellRect(int index) {
    return QRect(5 + 18 * (index % 8), 5 + 18 * (index / 8), 18, 18);
}

TJvOfficeColorPanel::TJvOfficeColorPanel(QWidget* parent, std::uint32_t defaultColor,
                                         std::uint32_t selected)
    : QWidget(parent), defaultColor_(defaultColor), selected_(selected) {
    setFixedSize(154, 100);
    setMouseTracking(true);
    if (selected != defaultColor) {
        for (int i = 0; i < kCells; ++i) {
            if (CellColor(i) == selected) {
                marked_ = i;
                break;
            }
        }
    }
}

void TJvOfficeColorPanel::setSelectedColor(std::uint32_t color) {
    if (color == selected_)
        return;
    selected_ = color;
    if (defaultColor_ == color) {
        marked_ = kHidden;
    } else {
        for (int i = 0; i < kCells; ++i) {
            if (CellColor(i) == color) {
                marked_ = i;
                break;
            }
        }
    }
    update();
    if (OnColorChange)
        OnColorChange();
}

void TJvOfficeColorPanel::setBackColor(const QColor& color) {
    back_ = color;
    update();
}

int TJvOfficeColorPanel::cellAt(const QPoint& p) const {
    for (int i = 0; i < kCells; ++i) {
        if (CellRect(i).contains(p))
            return i;
    }
    return -2;
}

void TJvOfficeColorPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    painter.setPen(kGrey);
    painter.drawRect(rect().adjusted(0, 0, -1, -1)); // flat 1-pixel border
    for (int i = 0; i < kCells; ++i) {
        const QRect cell = CellRect(i);
        painter.fillRect(cell, back_);
        if (i == marked_) {
            // Pressed: sunken frame and a slightly darker face.
            painter.fillRect(cell.adjusted(1, 1, -1, -1), back_.darker(115));
            painter.setPen(QColor(64, 64, 64));
            painter.drawLine(cell.topLeft(), cell.topRight());
            painter.drawLine(cell.topLeft(), cell.bottomLeft());
            painter.setPen(Qt::white);
            painter.drawLine(cell.bottomLeft(), cell.bottomRight());
            painter.drawLine(cell.topRight(), cell.bottomRight());
        } else if (i == hover_) {
            painter.setPen(Qt::white); // raised
            painter.drawLine(cell.topLeft(), cell.topRight());
            painter.drawLine(cell.topLeft(), cell.bottomLeft());
            painter.setPen(QColor(64, 64, 64));
            painter.drawLine(cell.bottomLeft(), cell.bottomRight());
            painter.drawLine(cell.topRight(), cell.bottomRight());
        }
        // The colour square: inset by a fifth of the cell (3 pixels), 12 x 12, grey outline.
        const QRect square(cell.left() + 3, cell.top() + 3, 12, 12);
        const Cell& c = kCellTable[i];
        painter.fillRect(square, QColor(c.r, c.g, c.b));
        painter.setPen(kGrey);
        painter.drawRect(square.adjusted(0, 0, -1, -1));
    }
}

void TJvOfficeColorPanel::mouseMoveEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    if (cell != hover_) {
        hover_ = cell;
        update();
    }
}

void TJvOfficeColorPanel::leaveEvent(QEvent* event) {
    hover_ = -2;
    update();
    QWidget::leaveEvent(event);
}

void TJvOfficeColorPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TJvOfficeColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return; // a right click selects nothing
    const int cell = cellAt(event->position().toPoint());
    if (cell < 0)
        return;
    // By click the marking stays on the clicked cell, whatever other entry has its colour.
    marked_ = cell;
    update();
    if (CellColor(cell) == selected_)
        return;
    selected_ = CellColor(cell);
    if (OnColorChange)
        OnColorChange();
}

bool TJvOfficeColorPanel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cell = cellAt(help->pos());
        if (cell >= 0)
            QToolTip::showText(help->globalPos(), QString::fromLatin1(CellName(cell)), this,
                               CellRect(cell));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace baritemp
