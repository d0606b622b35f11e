#pragma once

#include "Separators.h"
#include "Units.h"

#include <QClipboard>
#include <QLineEdit>

#include <optional>

namespace baritemp {

// A single-line value field of the main window, for one unit:
// - only what makes a number gets in by key: digits, "+", "-", the decimal separator,
//   Backspace and Enter (Enter then emits QLineEdit's returnPressed()); the keypad's decimal key
//   types the regional decimal separator, whatever the keyboard layout gives that key;
// - the focus moving into it (click, Tab, the program) empties it;
// - a cue banner drawn in grey only while the field is empty and unfocused (Qt's own placeholder
//   would also show in a focused field);
// - Ctrl+C with nothing selected copies the field's result, whole;
// - text that arrives other than key by key (Ctrl+V, Shift+Insert, the context menu's Paste,
//   middle-click, drag and drop) is read as a number and its unit: a number alone, or in the
//   field's own unit by any of its names, arrives as the number ("1 013,25 mbar" in mbar gives
//   "1013,25"); a number in another field's unit is handed on with conversionAsked, to convert
//   in that field ("30 psi" as psi, never as 30 bar; "1013 hPa" in the mbar field); a number in a
//   unit without a field ("1 atm") converts in this field by its definition, handed on the same
//   way; anything else (the other quantity, a unit no one knows, no number) arrives unchanged,
//   for Enter to report;
// - select all, cut, undo and redo work as in any text field.
class ValueField : public QLineEdit {
    Q_OBJECT

public:
    ValueField(const Unit& unit, QWidget* parent = nullptr);

    // The field's unit: its group, its place in the group (the entry cycle's unit, pattern and
    // conversion row) and its name ("bar", "kg/cm²"), the field's first cue banner and, for a
    // screen reader, its name. Its description is the result the field shows as its cue banner,
    // or else its tooltip; a changed result is announced.
    const Unit& unit() const { return unit_; }

    // The separators the field reads numbers with (the regional ones).
    void setSeparators(const Separators& separators) { separators_ = separators; }

    const QString& textHint() const { return textHint_; }
    void setTextHint(const QString& hint);
    // The result the cue banner shows, whole (a long one is cut with "…" on screen); empty
    // while it shows the unit only.
    QString result() const { return textHint_ == unitName_ ? QString() : textHint_; }
    bool cueBannerShown() const { return text().isEmpty() && !hasFocus() && !textHint_.isEmpty(); }

    void setBackgroundColor(const QColor& color);

signals:
    // The field's text changed, typed or set (only on a real change).
    void contentChanged();
    // A value that arrived for another field, or in a unit without a field: `text` (a number,
    // or a number and its unit) to convert in the field of `unit`.
    void conversionAsked(const baritemp::Unit& unit, const QString& text);

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
    // value went to conversionAsked.
    std::optional<QString> arriving(const QString& text);

    Unit unit_;
    QString unitName_;
    Separators separators_;
    QString textHint_;
    QString lastText_;
};

} // namespace baritemp
