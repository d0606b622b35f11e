#pragma once

#include "EntryCycle.h"

#include <QClipboard>
#include <QLineEdit>

#include <functional>
#include <optional>

namespace baritemp {

// A single-line value field as the conversions need it:
// - a key-press callback per typed character, called before the field uses it, which may
//   discard the character by setting it to the null character (Enter arrives as 13, then goes
//   on to the field when it was not discarded);
// - a change callback, synchronous, for typed and programmatic changes, only on real changes;
// - a focus-entry callback, for the focus moving into the field within its window (not for
//   the focus coming back with the window);
// - a cue banner (`TextHint`) drawn in grey only while the field is empty and unfocused (Qt's
//   own placeholder would also show in a focused field);
// - Ctrl+C with nothing selected copies the field's result, whole;
// - the keypad's decimal key types the regional decimal separator, whatever the keyboard layout
//   gives that key;
// - text that arrives other than key by key (Ctrl+V, Shift+Insert, the context menu's Paste,
//   middle-click, drag and drop) is read as a number and its unit: a number alone, or in the
//   field's own unit, arrives as the number ("1 013,25 mbar" in mbar gives "1013,25"); a number
//   in another unit of the same quantity goes to onOtherUnit ("30 psi" is converted as psi, never
//   as 30 bar); anything else (another quantity, a unit the window does not know, no number)
//   arrives unchanged, for Enter to report;
// - select all, cut, undo and redo work as in any text field; their control characters never
//   reach the key callback.
class ValueField : public QLineEdit {
public:
    explicit ValueField(QWidget* parent = nullptr);

    std::function<void(ValueField*, char16_t& key)> onKeyPress;
    std::function<void(ValueField*)> onChange;
    std::function<void(ValueField*)> onEnter;
    // A number that arrived in the unit `unit` of this field's group, not the field's own.
    std::function<void(ValueField*, const Unit& unit, const QString& number)> onOtherUnit;

    int Tag = 0; // 0 marks the seventeen value fields

    // The field's group and its index in the group, given when the window creates it: the
    // entry cycle's unit, pattern and conversion row.
    FieldGroup Group = FieldGroup::Pressure;
    int Index = 0;

    const QString& TextHint() const { return textHint_; }
    void setTextHint(const QString& hint);

    // The unit as shown ("bar", "kg/cm²"): the field's first cue banner and, for a screen
    // reader, its name. Its description is the result the field shows as its cue banner, or
    // else its tooltip; a changed result is announced.
    void setUnit(const QString& unit);
    // The result the cue banner shows, whole (a long one is cut with "…" on screen); empty
    // while it shows the unit only.
    QString Result() const { return textHint_ == unit_ ? QString() : textHint_; }
    bool cueBannerShown() const { return text().isEmpty() && !hasFocus() && !textHint_.isEmpty(); }

    void setBackgroundColor(const QColor& color);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();
    bool editingShortcut(QKeyEvent* event);
    void pasteNumber(QClipboard::Mode mode);
    // What arriving text puts into the field: the number, or the text itself; nothing when the
    // number went to onOtherUnit.
    std::optional<QString> arriving(const QString& text);

    QString unit_;
    QString textHint_;
    QString lastText_;
};

} // namespace baritemp
