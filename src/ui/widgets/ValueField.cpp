#include "ValueField.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace baritemp {

ValueField::ValueField(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text == lastText_)
            return;
        lastText_ = text;
        if (onChange)
            onChange(this);
    });
}

void ValueField::setTextHint(const QString& hint) {
    if (textHint_ != hint) {
        textHint_ = hint;
        update();
        describe();
    }
}

void ValueField::setUnit(const QString& unit) {
    unit_ = unit;
    setAccessibleName(unit);
    setTextHint(unit);
    describe();
}

void ValueField::describe() {
    const QString description = Result().isEmpty() ? toolTip() : Result();
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

void ValueField::keyPressEvent(QKeyEvent* event) {
    // Copy: the selected text when there is one; else the result, whole, unit included (the
    // key filter below would refuse its control character).
    if (event->matches(QKeySequence::Copy)) {
        if (hasSelectedText())
            QLineEdit::keyPressEvent(event);
        else if (!Result().isEmpty())
            QGuiApplication::clipboard()->setText(Result());
        event->accept();
        return;
    }
    const QString text = event->text();
    // Keys that make a character (Enter, Backspace and Ctrl+letter included) go through the
    // callback first; Delete, arrows and the like make none and go straight to the field.
    const bool character = text.size() == 1 && event->key() != Qt::Key_Delete;
    if (!character || !onKeyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    char16_t key = text.front().unicode();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = 13;
    onKeyPress(this, key);
    if (key == 0) {
        event->accept(); // discarded: the field never sees it
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ValueField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Entering the field is a move of the focus within the window (click, Tab, a program's
    // setFocus); the focus coming back with the window's activation, as when an error box
    // closes, or after a popup, is not: the field keeps its text then.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (onEnter)
        onEnter(this);
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
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(area, static_cast<int>(alignment()),
                     fontMetrics().elidedText(textHint_, Qt::ElideRight, area.width()));
}

} // namespace baritemp
