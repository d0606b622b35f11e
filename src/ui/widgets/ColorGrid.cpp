#include "ColorGrid.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace baritemp {

namespace {

struct Cell {
    const char* name; // the tooltip in both interface languages; a screen reader's translates
    int r, g, b;
};

// Row by row, columns left to right.
constexpr Cell kCellTable[40] = {
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Black"), 0, 0, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Brown"), 153, 51, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Olive Green"), 51, 51, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Dark Green"), 0, 51, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Dark Teal"), 0, 51, 102},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Dark Blue"), 0, 0, 128},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Indigo"), 51, 51, 153},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Gray 80%"), 51, 51, 51},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Dark Red"), 128, 0, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Orange"), 255, 102, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Dark Yellow"), 128, 128, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Green"), 0, 128, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Teal"), 0, 128, 128},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Blue"), 0, 0, 255},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Blue Gray"), 102, 102, 153},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Gray 50%"), 128, 128, 128},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Red"), 255, 0, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Light Orange"), 255, 153, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Lime"), 153, 204, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Sea Green"), 51, 153, 102},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Aqua"), 51, 153, 153},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Light Blue"), 51, 102, 255},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Violet"), 128, 0, 128},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Gray 40%"), 153, 153, 153},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Pink"), 255, 0, 255},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Gold"), 255, 204, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Yellow"), 255, 255, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Bright Green"), 0, 255, 0},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Turquoise"), 0, 255, 255},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Sky blue"), 166, 202, 240},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Plum"), 153, 51, 102},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Gray 25%"), 192, 192, 192},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Rose"), 255, 153, 204},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Tan"), 255, 204, 153},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Light Yellow"), 255, 255, 153},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Light Green"), 204, 255, 204},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Light Turquoise"), 204, 255, 255},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Pale Blue"), 153, 204, 255},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "Lavender"), 204, 153, 255},
    {QT_TRANSLATE_NOOP("baritemp::ColorGrid", "White"), 255, 255, 255},
};

const QColor kGrey(128, 128, 128);

} // namespace

QColor ColorGrid::cellColor(int index) {
    const Cell& c = kCellTable[index];
    return QColor(c.r, c.g, c.b);
}

const char* ColorGrid::cellName(int index) {
    return kCellTable[index].name;
}

QString ColorGrid::cellSpokenName(int index) {
    return tr(kCellTable[index].name);
}

// Border 1 + margin 4, cells of 18 with no gap.
QRect ColorGrid::cellRect(int index) {
    return QRect(5 + 18 * (index % 8), 5 + 18 * (index / 8), 18, 18);
}

ColorGrid::ColorGrid(QWidget* parent, const QColor& defaultColor, const QColor& selected)
    : QWidget(parent), defaultColor_(defaultColor), selected_(selected) {
    setFixedSize(154, 100);
    setMouseTracking(true);
    if (selected != defaultColor) {
        for (int i = 0; i < kCells; ++i) {
            if (cellColor(i) == selected) {
                marked_ = i;
                break;
            }
        }
    }
}

void ColorGrid::setSelectedColor(const QColor& color) {
    if (color == selected_)
        return;
    selected_ = color;
    if (defaultColor_ == color) {
        setMarked(kHidden);
    } else {
        for (int i = 0; i < kCells; ++i) {
            if (cellColor(i) == color) {
                setMarked(i);
                break;
            }
        }
    }
    update();
    emit colorChanged();
}

void ColorGrid::setBackgroundColor(const QColor& color) {
    back_ = color;
    update();
}

int ColorGrid::cellAt(const QPoint& p) const {
    for (int i = 0; i < kCells; ++i) {
        if (cellRect(i).contains(p))
            return i;
    }
    return -2;
}

void ColorGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    painter.setPen(kGrey);
    painter.drawRect(rect().adjusted(0, 0, -1, -1)); // flat 1-pixel border
    for (int i = 0; i < kCells; ++i) {
        const QRect cell = cellRect(i);
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

void ColorGrid::mouseMoveEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    if (cell != hover_) {
        hover_ = cell;
        update();
    }
}

void ColorGrid::leaveEvent(QEvent* event) {
    hover_ = -2;
    update();
    QWidget::leaveEvent(event);
}

void ColorGrid::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void ColorGrid::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return; // a right click selects nothing
    const int cell = cellAt(event->position().toPoint());
    if (cell >= 0)
        clickCell(cell);
}

void ColorGrid::clickCell(int cell) {
    if (cell < 0 || cell >= kCells)
        return;
    // By click the marking stays on the clicked cell, whatever other entry has its colour.
    setMarked(cell);
    if (cellColor(cell) == selected_)
        return;
    selected_ = cellColor(cell);
    emit colorChanged();
}

void ColorGrid::setMarked(int entry) {
    if (entry == marked_)
        return;
    marked_ = entry;
    update();
    // A screen reader hears the newly marked colour.
    if (entry >= 0 && QAccessible::isActive()) {
        QAccessibleEvent selected(this, QAccessible::Selection);
        selected.setChild(entry);
        QAccessible::updateAccessibility(&selected);
    }
}

bool ColorGrid::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cell = cellAt(help->pos());
        if (cell >= 0)
            QToolTip::showText(help->globalPos(), QString::fromLatin1(cellName(cell)), this,
                               cellRect(cell));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace baritemp
