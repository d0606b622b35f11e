#pragma once

#include "Settings.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace baritemp {

class ColorGrid;
class GlowLabel;
class PictureButton;

namespace settingsdialog {
struct Place;
}

// The settings window: language, the two colours, glass mode and decimals. Every choice shows
// at once in both windows; Save writes them after a confirmation; every closing reloads the
// stored settings, so unsaved choices are undone.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SettingsDialog(Settings& settings, QWidget* parent = nullptr);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QWidget* makeControl(const settingsdialog::Place& place);
    void connectControls();
    // Its pictures, read at the first show (nothing to read before).
    void loadPictures();

    // What the controls do, by the user or by code alike.
    void languageChosen();
    void glassModeChosen();
    void decimalsChanged();
    void save();
    // Enter saves, Escape closes; true when the key was used.
    bool handleKey(QChar key);

    // After every read of the settings: the controls show them, their reactions quiet, and this
    // window's own look follows what changed (the main window follows the same announcement).
    void showStoredSettings();
    // Selecting an option clears the other without running its reaction.
    void selectLanguageOption(QRadioButton* option);
    // The labels' texts of the chosen language (the other controls' names follow them).
    void applyLanguageTexts();
    // Glass mode's look of this window: black, white frames, glowing labels and pictures.
    void applyGlassLook(bool on);
    // The French or the English Save and Cancel pictures.
    void showPictureButtons(bool french);

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

    Settings& settings_;
    bool picturesLoaded_ = false;
};

} // namespace baritemp
