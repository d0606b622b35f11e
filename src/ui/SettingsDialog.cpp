#include "SettingsDialog.h"
#include "SettingsDialogLayout.h"

#include "Artwork.h"
#include "BaritempApplication.h"
#include "ColorGrid.h"
#include "GlowLabel.h"
#include "Messages.h"
#include "NumericEntry.h"
#include "PictureButton.h"
#include "Platform.h"
#include "Shape.h"
#include "Startup.h"
#include "WindowFrame.h"
#include "WindowLook.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace baritemp {

using settingsdialog::Kind;
using settingsdialog::kPlaces;
using settingsdialog::Place;

namespace {

constexpr char16_t kEscape = 0x1B;
} // namespace

SettingsDialog::SettingsDialog(Settings& settings, QWidget* parent)
    : QDialog(parent, kFixedDialogFrame), settings_(settings) {
    setObjectName(QStringLiteral("f_settings"));
    setWindowTitle(tr("Settings"));
    setFixedSize(345, 341);
    setModal(true);
    setFont(MakeFont("Tahoma", 11));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    buildLayout();
    connectControls();
}

// One control of the layout, as its kind is made.
QWidget* SettingsDialog::makeControl(const Place& place) {
    switch (place.kind) {
    case Kind::Label:
    case Kind::Name: {
        auto* label = new GlowLabel(this);
        label->setText(place.kind == Kind::Name ? QString::fromUtf8(place.text) : tr(place.text));
        label->setTextColor(Qt::black);
        label->setAlignment(place.alignment);
        return label;
    }
    case Kind::Frame:
        return new Shape(this);
    case Kind::Option: {
        auto* option = new QRadioButton(this);
        option->setAutoExclusive(false); // exclusivity is ours: see selectLanguageOption
        return option;
    }
    case Kind::Flag:
    case Kind::Button: {
        auto* button = new PictureButton(this);
        button->setAccessibleName(QString::fromUtf8(place.text));
        button->setHaloInGlassMode(place.kind == Kind::Button); // the pictures' dark words
        return button;
    }
    case Kind::Grid: {
        auto* grid = new ColorGrid(this, place.defaultColor, place.selected);
        grid->setFocusPolicy(Qt::NoFocus); // the grids take no focus
        return grid;
    }
    case Kind::Decimals: {
        auto* decimals = new QLineEdit(this);
        decimals->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // One digit at most, as a limit on typing only: a length limit would also cut the text
        // the program sets (12 from the settings file must show as 12, and be saved as 12).
        decimals->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]?")), decimals));
        decimals->setText(QString::number(stored::kDefaultDecimals));
        return decimals;
    }
    case Kind::GlassBox:
        break;
    }
    return new QCheckBox(this);
}

void SettingsDialog::buildLayout() {
    for (const Place& place : kPlaces) {
        QWidget* control = makeControl(place);
        control->setObjectName(QString::fromLatin1(place.name));
        if (place.kind == Kind::Option || place.kind == Kind::GlassBox)
            PlaceIndicator(control, place.geometry);
        else if (place.kind == Kind::Grid)
            control->move(place.geometry.topLeft()); // a grid has its own size
        else
            control->setGeometry(place.geometry);
        if (place.clickable)
            control->setCursor(Qt::PointingHandCursor);
        if (!place.visible)
            control->hide();
    }
    // At creation the window is in French.
    control<QRadioButton>("RadioBtn_FR")->setChecked(true);
    applyLanguageTexts();
}

void SettingsDialog::connectControls() {
    auto* french = control<QRadioButton>("RadioBtn_FR");
    auto* english = control<QRadioButton>("RadioBtn_UK");
    auto* glass = control<QCheckBox>("JvCheckBoxAero");
    auto* decimals = control<QLineEdit>("Ed_NbDec");
    // A screen reader names the options by their labels.
    french->setAccessibleName(control<GlowLabel>("Label_FR")->text());
    english->setAccessibleName(control<GlowLabel>("Label_UK")->text());

    // Reactions: a control set by code behaves as if the user had changed it.
    for (QRadioButton* option : {french, english}) {
        connect(option, &QRadioButton::toggled, this, [this, option](bool on) {
            if (on) {
                selectLanguageOption(option);
                languageChosen();
            }
        });
    }
    connect(glass, &QCheckBox::toggled, this, &SettingsDialog::glassModeChosen);
    connect(decimals, &QLineEdit::textChanged, this, &SettingsDialog::decimalsChanged);
    auto* titles = control<ColorGrid>("JvColorPanel1");
    auto* fields = control<ColorGrid>("JvColorPanel2");
    connect(titles, &ColorGrid::colorChanged, this,
            [this, titles] { settings_.setTitleColor(titles->selectedColor()); });
    connect(fields, &ColorGrid::colorChanged, this,
            [this, fields] { settings_.setFieldColor(fields->selectedColor()); });
    for (const char* name : {"JvImg_SaveFR", "JvImg_SaveUK"})
        connect(control<PictureButton>(name), &PictureButton::clicked, this, &SettingsDialog::save);
    for (const char* name : {"JvImg_CancelFR", "JvImg_CancelUK"})
        connect(control<PictureButton>(name), &PictureButton::clicked, this, &QWidget::close);
    // A flag clicks for its option.
    connect(control<PictureButton>("ImgFR"), &PictureButton::clicked, this, [french] {
        if (!french->isChecked())
            french->setChecked(true);
    });
    connect(control<PictureButton>("Img_UK"), &PictureButton::clicked, this, [english] {
        if (!english->isChecked())
            english->setChecked(true);
    });
    for (const char* name : {"Label_FR", "Label_UK", "Label_CheckAero", "JvCheckBoxAero",
                             "RadioBtn_FR", "RadioBtn_UK", "Ed_NbDec"})
        control<QWidget>(name)->installEventFilter(this);

    // Tab: the check box, the selected language option, the decimals.
    selectLanguageOption(french);
    setTabOrder(glass, french);
    setTabOrder(french, english);
    setTabOrder(english, decimals);

    // After every read of the settings the controls show them.
    connect(&settings_, &Settings::changed, this, [this](Settings::Item what) {
        if (what == Settings::Item::All)
            showStoredSettings();
    });
}

void SettingsDialog::showEvent(QShowEvent* event) {
    loadPictures();
    QDialog::showEvent(event);
}

void SettingsDialog::loadPictures() {
    // The window is made at start-up but shown later, if ever: its pictures are read then.
    if (picturesLoaded_)
        return;
    picturesLoaded_ = true;
    for (const Place& place : kPlaces) {
        if (place.kind != Kind::Flag && place.kind != Kind::Button)
            continue;
        auto* button = control<PictureButton>(place.name);
        const QPixmap normal = ArtworkPicture(place.picture);
        button->setPicture(normal);
        if (place.kind == Kind::Flag)
            continue;
        // A picture button's three looks, and with after-click pictures the normal one twice.
        const std::string name = place.picture;
        PictureButton::StatePictures looks;
        looks.hovered = ArtworkPicture((name + "_hover").c_str());
        looks.pressed = ArtworkPicture((name + "_down").c_str());
        if (place.afterClick)
            looks.clicked1 = looks.clicked2 = normal;
        button->setStatePictures(looks);
    }
}

void SettingsDialog::selectLanguageOption(QRadioButton* option) {
    auto* french = control<QRadioButton>("RadioBtn_FR");
    auto* english = control<QRadioButton>("RadioBtn_UK");
    QRadioButton* other = option == french ? english : french;
    if (option->isChecked() && other->isChecked()) {
        const QSignalBlocker quiet(other); // deselecting runs nothing
        other->setChecked(false);
    }
    // Of the two options only the selected one is a tab stop.
    french->setFocusPolicy(french->isChecked() ? Qt::TabFocus : Qt::NoFocus);
    english->setFocusPolicy(english->isChecked() ? Qt::TabFocus : Qt::NoFocus);
}

void SettingsDialog::applyLanguageTexts() {
    for (const Place& place : kPlaces) {
        if (place.kind == Kind::Label)
            control<GlowLabel>(place.name)->setText(tr(place.text));
    }
    auto* decimals = control<QLineEdit>("Ed_NbDec");
    decimals->setToolTip(tr("max 9 decimales"));
    // A screen reader names the field and the check box by their labels.
    decimals->setAccessibleName(control<GlowLabel>("Label_Dec")->text());
    control<QCheckBox>("JvCheckBoxAero")
        ->setAccessibleName(control<GlowLabel>("Label_CheckAero")->text());
    showPictureButtons(control<QRadioButton>("RadioBtn_FR")->isChecked());
}

void SettingsDialog::showPictureButtons(bool french) {
    control<PictureButton>("JvImg_SaveFR")->setVisible(french);
    control<PictureButton>("JvImg_CancelFR")->setVisible(french);
    control<PictureButton>("JvImg_SaveUK")->setVisible(!french);
    control<PictureButton>("JvImg_CancelUK")->setVisible(!french);
}

// The chosen language for both windows: the interface's texts switch first (this window's
// caption, the main window's texts), then this window's labels follow in it.
void SettingsDialog::languageChosen() {
    const bool french = control<QRadioButton>("RadioBtn_FR")->isChecked();
    settings_.setLanguage(QString::fromLatin1(french ? stored::kFrench : stored::kEnglish));
    applyLanguageTexts();
    update();
}

void SettingsDialog::glassModeChosen() {
    const bool on = control<QCheckBox>("JvCheckBoxAero")->isChecked();
    applyGlassLook(on);
    // The main window follows: its glass frame, then its look.
    settings_.setGlassMode(on);
}

void SettingsDialog::applyGlassLook(bool on) {
    // The glass frame as asked, with no system test: this window is shown only when asked for.
    ApplyGlassLook(this, {on, on, on, on ? kGlowSize : 0});
}

void SettingsDialog::decimalsChanged() {
    bool ok = false;
    const int value = control<QLineEdit>("Ed_NbDec")->text().toInt(&ok);
    if (ok)
        settings_.setDecimals(value); // an emptied field keeps the value
}

void SettingsDialog::save() {
    if (!BaritempApplication::confirm(tr("Save settings ?")))
        return;
    if (const auto failure = settings_.save()) {
        // Nothing reached the file: the window stays open with the values chosen.
        BaritempApplication::reportError(
            SaveFailureText(*failure, &BaritempApplication::current().translations().french()));
        return;
    }
    close();
}

bool SettingsDialog::handleKey(QChar key) {
    if (key.unicode() == kCarriageReturn) {
        save();
        return true;
    }
    if (key.unicode() == kEscape) {
        close();
        return true;
    }
    return false;
}

void SettingsDialog::showStoredSettings() {
    auto* glass = control<QCheckBox>("JvCheckBoxAero");
    auto* french = control<QRadioButton>("RadioBtn_FR");
    auto* english = control<QRadioButton>("RadioBtn_UK");
    auto* decimals = control<QLineEdit>("Ed_NbDec");
    auto* titles = control<ColorGrid>("JvColorPanel1");
    auto* fields = control<ColorGrid>("JvColorPanel2");
    const bool glassBefore = glass->isChecked();
    const bool frenchBefore = french->isChecked(), englishBefore = english->isChecked();
    // A language other than "FR" and "UK" checks neither option.
    const bool isFrench = settings_.french();
    const bool isEnglish = settings_.language() == QLatin1String(stored::kEnglish);
    {
        const QSignalBlocker quietGlass(glass), quietFrench(french), quietEnglish(english),
            quietDecimals(decimals), quietTitles(titles), quietFields(fields);
        glass->setChecked(settings_.glassMode());
        titles->setSelectedColor(settings_.titleColor());
        fields->setSelectedColor(settings_.fieldColor());
        french->setChecked(isFrench);
        english->setChecked(isEnglish);
        decimals->setText(QString::number(settings_.decimals()));
    }
    if (settings_.glassMode() != glassBefore)
        applyGlassLook(settings_.glassMode());
    if ((isFrench && !frenchBefore) || (isEnglish && !englishBefore)) {
        applyLanguageTexts();
        update();
    }
    selectLanguageOption(isFrench ? french : english);
    showPictureButtons(isFrench);
}

void SettingsDialog::reject() {
    close();
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
    // Every closing reads the stored settings back; a stored colour that is no colour keeps the
    // window open, until a save writes valid ones.
    if (!ReadConfiguration(settings_)) {
        event->ignore();
        return;
    }
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void SettingsDialog::changeEvent(QEvent* event) {
    // The caption follows the interface language; the labels follow the chosen option.
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(tr("Settings"));
    QDialog::changeEvent(event);
}

void SettingsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->text().size() == 1 && handleKey(event->text().front()))
        return;
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter)
        return; // QDialog's own Enter and Escape handling must not run
    QDialog::keyPressEvent(event);
}

void SettingsDialog::mousePressEvent(QMouseEvent* event) {
    // The background, the frames and the plain labels take no mouse input: the press is ours.
    if (event->button() == Qt::LeftButton)
        Platform::current().startWindowMove(this);
    QDialog::mousePressEvent(event);
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    const QString name = watched->objectName();
    const bool label = name == QLatin1String("Label_FR") || name == QLatin1String("Label_UK") ||
                       name == QLatin1String("Label_CheckAero");
    if (label && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (name == QLatin1String("Label_CheckAero")) {
            control<QCheckBox>("JvCheckBoxAero")->toggle();
        } else {
            auto* option = control<QRadioButton>(name == QLatin1String("Label_FR") ? "RadioBtn_FR"
                                                                                   : "RadioBtn_UK");
            if (!option->isChecked())
                option->setChecked(true);
        }
        return true;
    }
    if (label && event->type() == QEvent::MouseButtonPress)
        return true; // clickable: no window move from these
    if (event->type() == QEvent::MouseButtonPress) {
        // Clicking the selected option runs nothing (a plain radio button would uncheck it).
        if (auto* option = qobject_cast<QRadioButton*>(watched); option && option->isChecked())
            return true;
    }
    if (event->type() == QEvent::KeyPress && !label) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && handleKey(text.front()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace baritemp
