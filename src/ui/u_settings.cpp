#include "u_settings.h"

#include "AppState.h"
#include "Artwork.h"
#include "BaritempApplication.h"
#include "CommonUtils.h"
#include "GlowLabel.h"
#include "InterfaceTexts.h"
#include "Platform.h"
#include "Settings.h"
#include "Shape.h"
#include "TJvImage.h"
#include "TJvOfficeColorPanel.h"
#include "WinCodes.h"
#include "WindowFrame.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <utility>

namespace baritemp {

namespace {

constexpr std::uint32_t kDefaultColor = 0x20000000; // clDefault
constexpr std::uint32_t kWhite = 0xFFFFFF;

QPixmap picture(const char* name) {
    return ArtworkPicture(name);
}

TJvImage* pictureButton(QWidget* parent, const char* name, int left, bool visible) {
    auto* b = new TJvImage(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 303, 89, 28);
    b->setVisible(visible);
    return b;
}

// A picture button's three looks (and, with `clicked`, the two after-click pictures, both the
// normal one).
void givePictures(TJvImage* b, const char* pictures, bool clicked) {
    const QPixmap normal = picture(pictures);
    b->setPicture(normal);
    TJvImage::PicturesGroup group;
    group.PicEnter = picture((std::string(pictures) + "_hover").c_str());
    group.PicDown = picture((std::string(pictures) + "_down").c_str());
    if (clicked)
        group.PicClicked1 = group.PicClicked2 = normal;
    b->setPictures(group);
}

} // namespace

Tf_settings::Tf_settings() : QDialog(nullptr, kFixedDialogFrame) {
    setObjectName(QStringLiteral("f_settings"));
    setWindowTitle(Text(UiText::SettingsCaption, true));
    setFixedSize(345, 341);
    setModal(true);
    setFont(MakeFont("Tahoma", 11));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    // At creation the window is in French.
    const auto label = [this](const char* name, QRect geometry, UiText text) {
        auto* l = new GlowLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(geometry);
        l->setText(Text(text, true));
        l->setWordWrap(geometry.height() > 20);
        l->setTextColor(Qt::black);
        return l;
    };
    const auto shape = [this](const char* name, QRect geometry) {
        auto* s = new Shape(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setGeometry(geometry);
        return s;
    };
    Label_TitleLanguage = label("Label_TitleLanguage", {12, 8, 60, 13}, UiText::LanguageTitle);
    Shape_Language = shape("Shape_Language", {12, 27, 323, 42});
    RadioBtn_FR = new QRadioButton(this);
    RadioBtn_FR->setObjectName(QStringLiteral("RadioBtn_FR"));
    PlaceIndicator(RadioBtn_FR, {20, 40, 13, 13});
    RadioBtn_FR->setAutoExclusive(false); // exclusivity is ours: see selectLanguageOption
    RadioBtn_FR->setChecked(true);
    Label_FR = label("Label_FR", {44, 40, 60, 13}, UiText::French);
    // The flags are pictures that click: buttons "Français" and "English" to a screen reader.
    ImgFR = new TJvImage(this);
    ImgFR->setObjectName(QStringLiteral("ImgFR"));
    ImgFR->setGeometry(120, 40, 16, 16);
    ImgFR->setAccessibleName(Text(UiText::French));
    Img_UK = new TJvImage(this);
    Img_UK->setObjectName(QStringLiteral("Img_UK"));
    Img_UK->setGeometry(200, 40, 16, 16);
    Img_UK->setAccessibleName(Text(UiText::English));
    Label_UK = label("Label_UK", {224, 40, 60, 13}, UiText::English);
    RadioBtn_UK = new QRadioButton(this);
    RadioBtn_UK->setObjectName(QStringLiteral("RadioBtn_UK"));
    PlaceIndicator(RadioBtn_UK, {300, 40, 13, 13});
    RadioBtn_UK->setAutoExclusive(false);
    for (QWidget* w : std::initializer_list<QWidget*>{RadioBtn_FR, Label_FR, ImgFR, Img_UK,
                                                      Label_UK, RadioBtn_UK})
        w->setCursor(Qt::PointingHandCursor);

    Shape_Colors = shape("Shape_Colors", {12, 83, 323, 142});
    Label_Color1 = label("Label_Color1", {24, 93, 150, 27}, UiText::TitlesColour);
    Label_Color2 = label("Label_Color2", {182, 93, 150, 27}, UiText::FieldsColour);
    Label_Color1->setWordWrap(false);
    Label_Color2->setWordWrap(false);
    Label_Color1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label_Color2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    JvColorPanel1 = new TJvOfficeColorPanel(this, kWhite, kDefaultColor);
    JvColorPanel1->setObjectName(QStringLiteral("JvColorPanel1"));
    JvColorPanel1->move(20, 112);
    // At creation the controls show the defaults.
    JvColorPanel2 = new TJvOfficeColorPanel(this, kDefaultColor, SettingsDefaults::Color2);
    JvColorPanel2->setObjectName(QStringLiteral("JvColorPanel2"));
    JvColorPanel2->move(180, 112);
    // The second grid ends at the frame's inner side; at 125 % its size rounds one device pixel
    // onto the frame's edge. The frame has no fill and takes no input: it goes in front.
    Shape_Colors->raise();

    Shape_Options = shape("Shape_Options", {12, 239, 323, 58});
    Label_Dec = label("Label_Dec", {20, 244, 150, 13}, UiText::Decimals);
    Ed_NbDec = new QLineEdit(this);
    Ed_NbDec->setObjectName(QStringLiteral("Ed_NbDec"));
    Ed_NbDec->setGeometry(20, 263, 129, 21);
    Ed_NbDec->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // One digit at most, as a limit on typing only: a length limit would also cut the text the
    // program sets (12 from the settings file must show as 12, and be saved as 12).
    Ed_NbDec->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), Ed_NbDec));
    Ed_NbDec->setText(QString::number(SettingsDefaults::NbDec));
    Ed_NbDec->setToolTip(Text(UiText::DecimalsTooltip, true));
    JvCheckBoxAero = new QCheckBox(this);
    JvCheckBoxAero->setObjectName(QStringLiteral("JvCheckBoxAero"));
    PlaceIndicator(JvCheckBoxAero, {176, 267, 13, 13});
    JvCheckBoxAero->setCursor(Qt::PointingHandCursor);
    Label_CheckAero = label("Label_CheckAero", {195, 266, 145, 13}, UiText::GlassMode);
    Label_CheckAero->setCursor(Qt::PointingHandCursor);

    JvImg_SaveFR = pictureButton(this, "JvImg_SaveFR", 59, true);
    JvImg_CancelFR = pictureButton(this, "JvImg_CancelFR", 195, true);
    JvImg_SaveUK = pictureButton(this, "JvImg_SaveUK", 59, false);
    JvImg_CancelUK = pictureButton(this, "JvImg_CancelUK", 195, false);
    // What a screen reader calls them: the word each picture shows.
    JvImg_SaveFR->setAccessibleName(Text(UiText::SaveFrench));
    JvImg_CancelFR->setAccessibleName(Text(UiText::CancelFrench));
    JvImg_SaveUK->setAccessibleName(Text(UiText::SaveEnglish));
    JvImg_CancelUK->setAccessibleName(Text(UiText::CancelEnglish));
    RadioBtn_FR->setAccessibleName(Label_FR->text());
    RadioBtn_UK->setAccessibleName(Label_UK->text());
    Ed_NbDec->setAccessibleName(Label_Dec->text());
    JvCheckBoxAero->setAccessibleName(Label_CheckAero->text());

    // Reactions: a control set by code behaves as if the user had changed it.
    connect(RadioBtn_FR, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            selectLanguageOption(RadioBtn_FR);
            RadioBtn_FRClick();
        }
    });
    connect(RadioBtn_UK, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            selectLanguageOption(RadioBtn_UK);
            RadioBtn_FRClick();
        }
    });
    connect(JvCheckBoxAero, &QCheckBox::toggled, this, [this] { JvCheckBoxAeroClick(); });
    connect(Ed_NbDec, &QLineEdit::textChanged, this, [this] { Ed_NbDecChange(); });
    JvColorPanel1->OnColorChange = [this] { JvColorPanel1ColorChange(); };
    JvColorPanel2->OnColorChange = [this] { JvColorPanel2ColorChange(); };
    JvImg_SaveFR->OnClick = JvImg_SaveUK->OnClick = [this] { ASaveExecute(); };
    ImgFR->OnClick = [this] { Label_FRClick(); };
    Img_UK->OnClick = [this] { Label_UKClick(); };
    JvImg_CancelFR->OnClick = JvImg_CancelUK->OnClick = [this] { ACancelExecute(); };
    for (QObject* o :
         std::initializer_list<QObject*>{Label_FR, Label_UK, Label_CheckAero, JvCheckBoxAero,
                                         RadioBtn_FR, RadioBtn_UK, Ed_NbDec})
        o->installEventFilter(this);

    // Tab: the check box, the selected language option, the decimals; the grids take none.
    JvColorPanel1->setFocusPolicy(Qt::NoFocus);
    JvColorPanel2->setFocusPolicy(Qt::NoFocus);
    selectLanguageOption(RadioBtn_FR);
    setTabOrder(JvCheckBoxAero, RadioBtn_FR);
    setTabOrder(RadioBtn_FR, RadioBtn_UK);
    setTabOrder(RadioBtn_UK, Ed_NbDec);

    // After every ReadConfig the controls show the stored settings.
    settingsFollower_ = TheSettings().follow([this](Setting what) {
        if (what == Setting::All)
            SetControlsFromAppState();
    });
}

Tf_settings::~Tf_settings() {
    TheSettings().unfollow(settingsFollower_);
}

void Tf_settings::showEvent(QShowEvent* event) {
    LoadPictures();
    QDialog::showEvent(event);
}

void Tf_settings::LoadPictures() {
    // The window is made at start-up but shown later, if ever: its pictures are read then.
    if (picturesLoaded_)
        return;
    picturesLoaded_ = true;
    ImgFR->setPicture(picture("flag_fr"));
    Img_UK->setPicture(picture("flag_uk"));
    givePictures(JvImg_SaveFR, "save_fr", true);
    givePictures(JvImg_CancelFR, "cancel_fr", false); // no after-click pictures
    givePictures(JvImg_SaveUK, "save_uk", true);
    givePictures(JvImg_CancelUK, "cancel_uk", true);
}

QList<GlowLabel*> Tf_settings::labels() const {
    return {Label_TitleLanguage, Label_FR,  Label_UK,       Label_Color1,
            Label_Color2,        Label_Dec, Label_CheckAero};
}

void Tf_settings::selectLanguageOption(QRadioButton* option) {
    QRadioButton* other = option == RadioBtn_FR ? RadioBtn_UK : RadioBtn_FR;
    if (option->isChecked() && other->isChecked()) {
        const QSignalBlocker quiet(other); // deselecting runs nothing
        other->setChecked(false);
    }
    RadioBtn_FR->setFocusPolicy(RadioBtn_FR->isChecked() ? Qt::TabFocus : Qt::NoFocus);
    RadioBtn_UK->setFocusPolicy(RadioBtn_UK->isChecked() ? Qt::TabFocus : Qt::NoFocus);
}

void Tf_settings::applyLanguageTexts(bool french) {
    Label_TitleLanguage->setText(Text(UiText::LanguageTitle, french));
    Label_Color1->setText(Text(UiText::TitlesColour, french));
    Label_Color2->setText(Text(UiText::FieldsColour, french));
    Label_CheckAero->setText(Text(UiText::GlassMode, french));
    Label_Dec->setText(Text(UiText::Decimals, french));
    Ed_NbDec->setToolTip(Text(UiText::DecimalsTooltip, french));
    // A screen reader names the field and the check box by their labels.
    Ed_NbDec->setAccessibleName(Label_Dec->text());
    JvCheckBoxAero->setAccessibleName(Label_CheckAero->text());
    showPictureButtons(french);
}

void Tf_settings::showPictureButtons(bool french) {
    JvImg_SaveFR->setVisible(french);
    JvImg_CancelFR->setVisible(french);
    JvImg_SaveUK->setVisible(!french);
    JvImg_CancelUK->setVisible(!french);
}

void Tf_settings::RadioBtn_FRClick() {
    const bool french = RadioBtn_FR->isChecked();
    applyLanguageTexts(french);
    // The main window follows with its RefreshForm, which also sets this window's caption.
    TheSettings().setLang(LanguageCode(french));
    update();
}

void Tf_settings::Label_FRClick() {
    if (!RadioBtn_FR->isChecked())
        RadioBtn_FR->setChecked(true);
}

void Tf_settings::Label_UKClick() {
    if (!RadioBtn_UK->isChecked())
        RadioBtn_UK->setChecked(true);
}

void Tf_settings::JvCheckBoxAeroClick() {
    const bool on = JvCheckBoxAero->isChecked();
    applyGlassLook(on);
    // The main window follows: its glass frame, then its RefreshForm.
    TheSettings().setAeroMode(on);
}

void Tf_settings::applyGlassLook(bool on) {
    Platform::current().setGlass(this, on); // no system test here
    QPalette p = palette();
    p.setColor(QPalette::Window, on ? Qt::black : Qt::white);
    setPalette(p);
    for (Shape* s : {Shape_Language, Shape_Colors, Shape_Options})
        s->setPenColor(on ? Qt::white : Qt::black);
    for (TJvOfficeColorPanel* grid : {JvColorPanel1, JvColorPanel2}) {
        grid->setBackColor(on ? Qt::black : Qt::white);
        if (on)
            grid->setDoubleBuffered(true);
    }
    for (GlowLabel* l : labels()) {
        l->setGlowSize(on ? 7 : 0);
        l->setGlassMode(on);
    }
    for (TJvImage* b : {JvImg_SaveFR, JvImg_CancelFR, JvImg_SaveUK, JvImg_CancelUK})
        b->setGlowSize(on ? 7 : 0); // the pictures' dark words too
}

void Tf_settings::Label_CheckAeroClick() {
    JvCheckBoxAero->toggle();
}

void Tf_settings::JvColorPanel1ColorChange() {
    TheSettings().setColor1(JvColorPanel1->SelectedColor()); // every label of the main window
}

void Tf_settings::JvColorPanel2ColorChange() {
    TheSettings().setColor2(JvColorPanel2->SelectedColor()); // every value field's background
}

void Tf_settings::Ed_NbDecChange() {
    bool ok = false;
    const int value = Ed_NbDec->text().toInt(&ok);
    if (ok)
        TheSettings().setNbDec(value); // an emptied field keeps the value
}

void Tf_settings::ASaveExecute() {
    if (ConfirmDialog(Text(UiText::SaveQuestion)) != win::kIdYes)
        return;
    if (const auto failure = TheSettings().save()) {
        // Nothing reached the file: the window stays open with the values chosen.
        BaritempApplication::reportError(*failure);
        return;
    }
    close();
}

void Tf_settings::ACancelExecute() {
    close();
}

bool Tf_settings::KeyPress(QChar key) {
    if (key.unicode() == win::kCarriageReturn) {
        ASaveExecute();
        return true;
    }
    if (key.unicode() == win::kEscape) {
        close();
        return true;
    }
    return false;
}

bool Tf_settings::FormClose() {
    return TheSettings().readConfig();
}

void Tf_settings::SetControlsFromAppState() {
    // The controls show the values read, with their reactions quiet: the main window answers
    // the same notification by itself. This window's own look follows what changed here.
    const bool glassBefore = JvCheckBoxAero->isChecked();
    const bool frenchBefore = RadioBtn_FR->isChecked(), englishBefore = RadioBtn_UK->isChecked();
    // A language other than "FR" and "UK" checks neither option.
    const bool french = InterfaceIsFrench();
    const bool english = AppState.myLang == LanguageCode(false);
    {
        const QSignalBlocker quietCheckBox(JvCheckBoxAero), quietFrench(RadioBtn_FR),
            quietEnglish(RadioBtn_UK), quietDecimals(Ed_NbDec);
        const auto reactions = std::make_pair(std::exchange(JvColorPanel1->OnColorChange, {}),
                                              std::exchange(JvColorPanel2->OnColorChange, {}));
        JvCheckBoxAero->setChecked(AppState.myAeroMode);
        JvColorPanel1->setSelectedColor(AppState.myColor1);
        JvColorPanel2->setSelectedColor(AppState.myColor2);
        RadioBtn_FR->setChecked(french);
        RadioBtn_UK->setChecked(english);
        Ed_NbDec->setText(QString::number(AppState.myNbDec));
        JvColorPanel1->OnColorChange = reactions.first;
        JvColorPanel2->OnColorChange = reactions.second;
    }
    if (AppState.myAeroMode != glassBefore)
        applyGlassLook(AppState.myAeroMode);
    if ((french && !frenchBefore) || (english && !englishBefore)) {
        applyLanguageTexts(french);
        update();
    }
    if (french)
        selectLanguageOption(RadioBtn_FR);
    else
        selectLanguageOption(RadioBtn_UK);
    showPictureButtons(french);
}

void Tf_settings::reject() {
    close();
}

void Tf_settings::closeEvent(QCloseEvent* event) {
    if (!FormClose()) {
        event->ignore(); // the stored colour text is no colour: only Save can close it now
        return;
    }
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void Tf_settings::keyPressEvent(QKeyEvent* event) {
    if (event->text().size() == 1 && KeyPress(event->text().front()))
        return;
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter)
        return; // QDialog's own Enter and Escape handling must not run
    QDialog::keyPressEvent(event);
}

void Tf_settings::mousePressEvent(QMouseEvent* event) {
    // The background, the frames and the plain labels take no mouse input: the press is ours.
    if (event->button() == Qt::LeftButton)
        Platform::current().startWindowMove(this);
    QDialog::mousePressEvent(event);
}

bool Tf_settings::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label_FR) {
            Label_FRClick();
            return true;
        }
        if (watched == Label_UK) {
            Label_UKClick();
            return true;
        }
        if (watched == Label_CheckAero) {
            Label_CheckAeroClick();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == Label_FR || watched == Label_UK || watched == Label_CheckAero))
        return true; // clickable: no window move from these
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == RadioBtn_FR || watched == RadioBtn_UK)) {
        // Clicking the selected option runs nothing (a plain radio button would uncheck it).
        if (static_cast<QRadioButton*>(watched)->isChecked())
            return true;
    }
    if (event->type() == QEvent::KeyPress && (watched == JvCheckBoxAero || watched == RadioBtn_FR ||
                                              watched == RadioBtn_UK || watched == Ed_NbDec)) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && KeyPress(text.front()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace baritemp
