#pragma once

#include "EntryCycle.h"
#include "Settings.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class QLabel;

namespace baritemp {

class GlowLabel;
class Shape;
class TJvImage;
class ValueField;

// The main window: fourteen pressure fields and three temperature fields in two frames, the
// titles, the version line, the maker's link, the tools icon and the background picture.
class Tf_main : public QWidget {
public:
    Tf_main();
    ~Tf_main() override;

    QLabel* ImageBackGround;
    Shape* Shape_Pression;
    Shape* Shape_Temperature;
    GlowLabel* Label_TitlePression;
    GlowLabel* Label_TitleTemperature;
    GlowLabel* Label_Version;
    GlowLabel* Label_quorzen;
    TJvImage* JvImg_Tools;
    ValueField *Ed_Bar, *Ed_mBar, *Ed_Psi, *Ed_Kg, *Ed_Pa, *Ed_DaPa, *Ed_Kpa, *Ed_MPa, *Ed_Torr,
        *Ed_mCE, *Ed_mmHg, *Ed_mmCE, *Ed_inchHg, *Ed_inchCE;
    ValueField *Ed_Celsius, *Ed_Fahren, *Ed_Kelvin;

    // The seventeen value fields in tab order.
    const QList<ValueField*>& valueFields() const { return fields_; }

    void FormCreate();
    void FormShow();
    // The five settings from the store into AppState (and the settings window's controls);
    // false when a stored colour is no colour (the error box has shown it).
    bool ReadConfig();
    // Applies glass mode, colours, glow, the interface language and the fields' tooltips.
    void RefreshForm();
    // What this window does when a setting changes (the settings window chose it).
    void SettingChanged(Setting what);

    // Handlers of the value fields.
    void ClearSelEdit(ValueField* sender);
    void Ed_PressureKeyPress(ValueField* sender, char16_t& key);
    void Ed_CelsiusKeyPress(ValueField* sender, char16_t& key);
    void Ed_CelsiusChange(ValueField* sender);
    void ClearAllEdits();
    void ValueDisplay(FieldGroup group, int sourceIndex, const std::vector<std::u16string>& texts);

    // Every label's font colour, every value field's background (the settings window's grids).
    void SetLabelsColor(std::uint32_t color);
    void SetFieldsColor(std::uint32_t color);

    // The results of the last conversion, one line per field of its group in tab order, and
    // the same put on the clipboard (Ctrl+Shift+C).
    QString AllResults() const;
    void CopyAllResults();

    void JvImg_ToolsClick();
    void Label_quorzenClick();
    void MouseMove();

    static QString MakerAddress();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The key filter, then on Enter the entry cycle of the field's group.
    void keyPress(ValueField* sender, char16_t& key);
    // The entry cycle on the field's text, as Enter runs it; false when the text was reported.
    bool convert(ValueField* field);
    // A number that arrived in a field of its group in another unit: converted from the field of
    // its own unit, which takes the focus, as if it had been typed there.
    void convertIn(const Unit& unit, const QString& number);
    ValueField* field(FieldGroup group, int index) const;

    QList<ValueField*> fields_;
    int settingsFollower_ = 0;
    std::optional<FieldGroup> lastGroup_;
    bool shown_ = false;
    int glowSize_ = 0;
};

} // namespace baritemp
