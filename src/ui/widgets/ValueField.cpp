#include "ValueField.h"

#include "Contrast.h"
#include "NumericEntry.h"
#include "U16Text.h"
#include "ValueReading.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace baritemp {

ValueField::ValueField(const Unit& unit, QWidget* parent)
    : QLineEdit(parent), unit_(unit), unitName_(QStringFromU16(UnitName(unit))) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text == lastText_)
            return;
        lastText_ = text;
        emit contentChanged();
    });
    setAccessibleName(unitName_);
    setTextHint(unitName_);
    describe();
}

void ValueField::setTextHint(const QString& hint) {
    if (textHint_ != hint) {
        textHint_ = hint;
        update();
        describe();
    }
}

void ValueField::describe() {
    const QString description = result().isEmpty() ? toolTip() : result();
    if (description != accessibleDescription())
        setAccessibleDescription(description); // announced to a screen reader on that field
}

bool ValueField::event(QEvent* event) {
    const bool result = QLineEdit::event(event);
    if (event->type() == QEvent::ToolTipChange)
        describe();
    return result;
}

void ValueField::setBackgroundColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

std::optional<QString> ValueField::arriving(const QString& text) {
    const Arrival arrival =
        ReadArrival(unit_, U16FromQString(text), separators_.decimal, separators_.thousand);
    if (!arrival.convert)
        return QStringFromU16(arrival.text);
    emit conversionAsked(arrival.target, QStringFromU16(arrival.text));
    return std::nullopt;
}

void ValueField::pasteNumber(QClipboard::Mode mode) {
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (isReadOnly() || (text.isEmpty() && !hasSelectedText()))
        return;
    if (const auto arrived = arriving(text))
        insert(*arrived); // replaces the selection, and undoes as one step
}

// The editing shortcuts every text field has. Their control characters (Ctrl+A is U+0001 ...)
// would otherwise meet the key filter, which refuses them.
bool ValueField::editingShortcut(QKeyEvent* event) {
    const auto pressed = [event](QKeyCombination combination) {
        return event->keyCombination() == combination;
    };
    if (event->matches(QKeySequence::Paste))
        pasteNumber(QClipboard::Clipboard);
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (event->matches(QKeySequence::Cut))
        cut();
    else if (event->matches(QKeySequence::Undo))
        undo();
    else if (event->matches(QKeySequence::Redo) || pressed(Qt::CTRL | Qt::Key_Y) ||
             pressed(Qt::CTRL | Qt::SHIFT | Qt::Key_Z))
        redo();
    else
        return false;
    event->accept();
    return true;
}

void ValueField::keyPressEvent(QKeyEvent* event) {
    // Copy: the selected text when there is one; else the result, whole, unit included.
    if (event->matches(QKeySequence::Copy)) {
        if (hasSelectedText())
            QLineEdit::keyPressEvent(event);
        else if (!result().isEmpty())
            QGuiApplication::clipboard()->setText(result());
        event->accept();
        return;
    }
    if (editingShortcut(event))
        return;
    const QString text = event->text();
    // Keys that make a character (Enter, Backspace and Ctrl+letter included) go through the key
    // filter first; Delete, arrows and the like make none and go straight to the field.
    const bool character = text.size() == 1 && event->key() != Qt::Key_Delete;
    if (!character) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    char16_t key = text.front().unicode();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = kCarriageReturn;
    // French layouts give the keypad's decimal key ".", German ones ",": either way it means the
    // decimal separator, as in spreadsheets and calculators. Its own character would be swallowed
    // (or, typed in the wrong place, never read) and 2.5 would convert as 25.
    const bool keypadDecimal = (event->modifiers() & Qt::KeypadModifier) &&
                               (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
    if (keypadDecimal)
        key = separators_.decimal;
    key = KeyFilter(key, separators_.decimal);
    if (key == 0) {
        event->accept(); // discarded: the field never sees it
        return;
    }
    if (keypadDecimal) {
        insert(QString(QChar(key)));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ValueField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's Paste reads the clipboard as Ctrl+V does. Qt 6.4 names its actions by their
    // (translated) text only; later versions also by object name.
    // (Qt's own text, in Qt's own translations: not one of this program's texts.)
    static constexpr const char* kQtPaste = "&Paste";
    const QString pasteText = QLineEdit::tr(kQtPaste);
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().startsWith(pasteText + u'\t') || action->text() == pasteText) {
            action->disconnect(this);
            connect(action, &QAction::triggered, this,
                    [this] { pasteNumber(QClipboard::Clipboard); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void ValueField::mouseReleaseEvent(QMouseEvent* event) {
    // Middle-click pastes the primary selection where the system has one (X11).
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteNumber(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ValueField::dropEvent(QDropEvent* event) {
    // A drag within the field moves its own text: that stays as it is.
    const QMimeData* data = event->mimeData();
    if (event->source() == this || data == nullptr || !data->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const auto arrived = arriving(data->text());
    if (!arrived) {
        // Converted in its own unit's field: this one only ends the drag.
        QDragLeaveEvent leave;
        QLineEdit::dragLeaveEvent(&leave);
        event->acceptProposedAction();
        return;
    }
    QMimeData number;
    number.setText(*arrived);
    QDropEvent drop(event->position(), event->possibleActions(), &number, event->buttons(),
                    event->modifiers(), event->type());
    drop.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&drop);
    event->setDropAction(drop.dropAction());
    event->setAccepted(drop.isAccepted());
}

void ValueField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Entering the field is a move of the focus within the window (click, Tab, a program's
    // setFocus); the focus coming back with the window's activation, as when an error box
    // closes, or after a popup, is not: the field keeps its text then.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    setText(QString()); // entering a field empties it
}

void ValueField::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!cueBannerShown())
        return;
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    area = area.marginsRemoved(margins).adjusted(2, 0, -2, 0);
    // The platform's grey for hints (Windows' GrayText) where it is readable on this field's
    // colour, else a grey that is: the results are what the window is for.
    painter.setPen(ReadableHintColor(palette().color(QPalette::Disabled, QPalette::Text),
                                     palette().color(QPalette::Base)));
    painter.drawText(area, static_cast<int>(alignment()),
                     fontMetrics().elidedText(textHint_, Qt::ElideRight, area.width()));
}

} // namespace baritemp
