#include "TJvOfficeColorPanel.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace baritemp {

namespace {

struct Cell {
    const char* name;       // the tooltip, in English in both interface languages
    const char* frenchName; // what a screen reader says in the French interface
    int r, g, b;
};

// Row by row, columns left to right.
constexpr Cell kCellTable[40] = {
    {"Black", "Noir", 0, 0, 0},
    {"Brown", "Marron", 153, 51, 0},
    {"Olive Green", "Vert olive", 51, 51, 0},
    {"Dark Green", "Vert foncé", 0, 51, 0},
    {"Dark Teal", "Bleu-vert foncé", 0, 51, 102},
    {"Dark Blue", "Bleu foncé", 0, 0, 128},
    {"Indigo", "Indigo", 51, 51, 153},
    {"Gray 80%", "Gris 80 %", 51, 51, 51},
    {"Dark Red", "Rouge foncé", 128, 0, 0},
    {"Orange", "Orange", 255, 102, 0},
    {"Dark Yellow", "Jaune foncé", 128, 128, 0},
    {"Green", "Vert", 0, 128, 0},
    {"Teal", "Bleu-vert", 0, 128, 128},
    {"Blue", "Bleu", 0, 0, 255},
    {"Blue Gray", "Gris bleu", 102, 102, 153},
    {"Gray 50%", "Gris 50 %", 128, 128, 128},
    {"Red", "Rouge", 255, 0, 0},
    {"Light Orange", "Orange clair", 255, 153, 0},
    {"Lime", "Vert citron", 153, 204, 0},
    {"Sea Green", "Vert de mer", 51, 153, 102},
    {"Aqua", "Vert d'eau", 51, 153, 153},
    {"Light Blue", "Bleu clair", 51, 102, 255},
    {"Violet", "Violet", 128, 0, 128},
    {"Gray 40%", "Gris 40 %", 153, 153, 153},
    {"Pink", "Rose vif", 255, 0, 255},
    {"Gold", "Or", 255, 204, 0},
    {"Yellow", "Jaune", 255, 255, 0},
    {"Bright Green", "Vert vif", 0, 255, 0},
    {"Turquoise", "Turquoise", 0, 255, 255},
    {"Sky blue", "Bleu ciel", 166, 202, 240},
    {"Plum", "Prune", 153, 51, 102},
    {"Gray 25%", "Gris 25 %", 192, 192, 192},
    {"Rose", "Rose", 255, 153, 204},
    {"Tan", "Beige", 255, 204, 153},
    {"Light Yellow", "Jaune clair", 255, 255, 153},
    {"Light Green", "Vert clair", 204, 255, 204},
    {"Light Turquoise", "Turquoise clair", 204, 255, 255},
    {"Pale Blue", "Bleu pâle", 153, 204, 255},
    {"Lavender", "Lavande", 204, 153, 255},
    {"White", "Blanc", 255, 255, 255},
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

QString TJvOfficeColorPanel::CellSpokenName(int index, bool french) {
    return QString::fromUtf8(french ? kCellTable[index].frenchName : kCellTable[index].name);
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
        setMarked(kHidden);
    } else {
        for (int i = 0; i < kCells; ++i) {
            if (CellColor(i) == color) {
                setMarked(i);
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
    if (cell >= 0)
        ClickCell(cell);
}

void TJvOfficeColorPanel::ClickCell(int cell) {
    if (cell < 0 || cell >= kCells)
        return;
    // By click the marking stays on the clicked cell, whatever other entry has its colour.
    setMarked(cell);
    if (CellColor(cell) == selected_)
        return;
    selected_ = CellColor(cell);
    if (OnColorChange)
        OnColorChange();
}

void TJvOfficeColorPanel::setMarked(int entry) {
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
