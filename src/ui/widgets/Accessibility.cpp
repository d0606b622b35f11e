#include "Accessibility.h"

#include "ColorGrid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <array>
#include <memory>

namespace baritemp {

namespace {

constexpr const char* kLinkProperty = "baritempLink";

// A link: named, pressed by the screen reader as by a click.
class Pressable : public QAccessibleWidget {
public:
    Pressable(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? widget()->toolTip() : name;
        }
        if (t == QAccessible::Description)
            return widget()->accessibleDescription();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction())
            return;
        // Later, from the event loop: a press may open a modal window, and the screen reader
        // waits for this call to return.
        QPointer<QWidget> target = widget();
        QMetaObject::invokeMethod(
            widget(),
            [target] {
                if (target.isNull())
                    return;
                // A link reacts to the mouse: the same press and release at its centre.
                const QPointF centre = QRectF(target->rect()).center();
                const QPointF global = target->mapToGlobal(centre);
                QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton,
                                  Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(target, &press);
                QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                                    Qt::NoButton, Qt::NoModifier);
                QCoreApplication::sendEvent(target, &release);
            },
            Qt::QueuedConnection);
    }
};

// One colour of a grid: a list item with no object of its own.
class ColorCell : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ColorCell(ColorGrid* grid, int index) : grid_(grid), index_(index) {}

    bool isValid() const override { return grid_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return grid_->window() != nullptr ? grid_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(grid_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return ColorGrid::cellSpokenName(index_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect cell = ColorGrid::cellRect(index_);
        return QRect(grid_->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.selected = grid_->markedEntry() == index_;
        s.invisible = !grid_->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction())
            return;
        QPointer<ColorGrid> grid = grid_;
        const int index = index_;
        QMetaObject::invokeMethod(
            grid_,
            [grid, index] {
                if (grid)
                    grid->clickCell(index);
            },
            Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ColorGrid* grid_;
    int index_;
};

// A colour grid: the list of its cells, which live as long as it does.
class ColorList : public QAccessibleWidget {
public:
    explicit ColorList(ColorGrid* grid) : QAccessibleWidget(grid, QAccessible::List) {
        for (int i = 0; i < ColorGrid::kCells; ++i) {
            auto* cell = new ColorCell(grid, i);
            ids_[static_cast<std::size_t>(i)] = QAccessible::registerAccessibleInterface(cell);
        }
    }
    ~ColorList() override {
        for (const QAccessible::Id id : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return ColorGrid::kCells; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= ColorGrid::kCells)
            return nullptr;
        return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < ColorGrid::kCells; ++i) {
            if (QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(i)]) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < ColorGrid::kCells; ++i) {
            if (ColorGrid::cellRect(i).contains(p))
                return child(i);
        }
        return nullptr;
    }

private:
    std::array<QAccessible::Id, ColorGrid::kCells> ids_{};
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    // (A picture button is a QAbstractButton: Qt's own view of a button serves it.)
    if (widget->property(kLinkProperty).toBool())
        return new Pressable(widget, QAccessible::Link);
    if (auto* grid = qobject_cast<ColorGrid*>(widget))
        return new ColorList(grid);
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void MarkAsLink(QWidget* widget) {
    widget->setProperty(kLinkProperty, true);
}

} // namespace baritemp
