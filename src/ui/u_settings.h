#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QLabel;

namespace baritemp {

class GlowLabel;
class Shape;
class TJvImage;
class TJvOfficeColorPanel;

// The settings window: language, the two colours, glass mode and decimals. Every choice shows
// at once in both windows; Save writes them after a confirmation; every closing reloads the
// stored settings (ReadConfig), so unsaved choices are undone.
class Tf_settings : public QDialog {
public:
    Tf_settings();
    ~Tf_settings() override;

    GlowLabel* Label_TitleLanguage;
    Shape* Shape_Language;
    QRadioButton* RadioBtn_FR;
    GlowLabel* Label_FR;
    TJvImage* ImgFR;
    TJvImage* Img_UK;
    GlowLabel* Label_UK;
    QRadioButton* RadioBtn_UK;
    Shape* Shape_Colors;
    GlowLabel* Label_Color1;
    GlowLabel* Label_Color2;
    TJvOfficeColorPanel* JvColorPanel1;
    TJvOfficeColorPanel* JvColorPanel2;
    Shape* Shape_Options;
    GlowLabel* Label_Dec;
    QLineEdit* Ed_NbDec;
    QCheckBox* JvCheckBoxAero;
    GlowLabel* Label_CheckAero;
    TJvImage* JvImg_SaveFR;
    TJvImage* JvImg_CancelFR;
    TJvImage* JvImg_SaveUK;
    TJvImage* JvImg_CancelUK;

    void RadioBtn_FRClick();
    void Label_FRClick();
    void Label_UKClick();
    void JvCheckBoxAeroClick();
    void Label_CheckAeroClick();
    void JvColorPanel1ColorChange();
    void JvColorPanel2ColorChange();
    void Ed_NbDecChange();
    void ASaveExecute();
    void ACancelExecute();
    // Enter saves, Escape closes; true when the key was used.
    bool KeyPress(QChar key);
    // Every closing: ReadConfig. False (and the window stays) when it failed.
    bool FormClose();

    // ReadConfig's last step: the controls from AppState, their reactions quiet, and this
    // window's look for what changed (the main window follows the same notification).
    void SetControlsFromAppState();

    // Selecting an option clears the other without running its reaction.
    void selectLanguageOption(QRadioButton* option);

    // Its pictures, read at the first show (nothing to read before).
    void LoadPictures();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLanguageTexts(bool french);
    // Glass mode's look of this window: black, white frames, glowing labels and pictures.
    void applyGlassLook(bool on);
    // The French or the English Save and Cancel pictures.
    void showPictureButtons(bool french);
    QList<GlowLabel*> labels() const;

    int settingsFollower_ = 0;
    bool picturesLoaded_ = false;
};

} // namespace baritemp
