#pragma once

#include "Settings.h"

#include <QDialog>

class QRadioButton;

namespace baritemp {

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

    template <typename T>
    T* control(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }

    Settings& settings_;
    bool picturesLoaded_ = false;
};

} // namespace baritemp
