#pragma once

#include "Settings.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace baritemp {

class ColorGrid;
class Desktop;
class GlowLabel;
class PictureButton;

namespace settingsdialog {
struct Place;
}

// The settings window: language, the two colours, glass mode and decimals. It edits the
// settings themselves, so every choice shows at once in both windows; Save (the default button,
// pressed by Enter) writes them after a confirmation; Cancel, Escape and the close box put back
// what they were when the window opened. Every closing then reads the stored settings back.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    // `desktop`: the glass frame and the window's moves.
    SettingsDialog(Settings& settings, Desktop& desktop, QWidget* parent = nullptr);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildLayout();
    QWidget* makeControl(const settingsdialog::Place& place);
    void connectControls();
    // Its pictures, read at the first show (nothing to read before).
    void loadPictures();

    // What the controls do, by the user or by code alike.
    void decimalsEdited();
    void save();

    // The controls show the settings, their reactions quiet; each follows its setting's change.
    void showSettings();
    static void showColor(ColorGrid* grid, const QColor& color);
    void showGlassMode(bool on);
    void showLanguage(Language language);
    void showDecimals(int decimals);
    // Of the two options only the selected one is a tab stop.
    void updateOptionTabStops();
    // The labels' texts of the chosen language (the other controls' names follow them).
    void applyLanguageTexts();
    // Glass mode's look of this window: black, white frames, glowing labels and pictures.
    void applyGlassLook(bool on);
    // The French or the English Save and Cancel pictures.
    void showPictureButtons(bool french);
    // The window's default button, which Enter presses: the Save that shows.
    PictureButton* defaultButton() const;

    // The controls the window works with, typed, as the layout made them; every control of the
    // layout in its order.
    struct Controls {
        QRadioButton* frenchOption = nullptr;
        QRadioButton* englishOption = nullptr;
        GlowLabel* frenchName = nullptr;
        GlowLabel* englishName = nullptr;
        PictureButton* frenchFlag = nullptr;
        PictureButton* englishFlag = nullptr;
        ColorGrid* titlesGrid = nullptr;
        ColorGrid* fieldsGrid = nullptr;
        GlowLabel* decimalsLabel = nullptr;
        QLineEdit* decimals = nullptr;
        QCheckBox* glassBox = nullptr;
        GlowLabel* glassLabel = nullptr;
        PictureButton* saveFrench = nullptr;
        PictureButton* cancelFrench = nullptr;
        PictureButton* saveEnglish = nullptr;
        PictureButton* cancelEnglish = nullptr;
    };
    void keep(const settingsdialog::Place& place, QWidget* control);

    Controls controls_;
    std::vector<QWidget*> placed_; // one per place of the layout, in its order

    QButtonGroup* languages_ = nullptr; // the two options, by Language

    Settings& settings_;
    Desktop& desktop_;
    // What every closing puts back: the settings as they were when the window opened, or as
    // Save wrote them.
    Settings::Values snapshot_;
    bool picturesLoaded_ = false;
};

} // namespace baritemp
