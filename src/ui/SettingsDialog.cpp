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
using settingsdialog::Slot;

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

void SettingsDialog::keep(const Place& place, QWidget* control) {
    placed_.push_back(control);
    switch (place.slot) {
    case Slot::FrenchOption:
        controls_.frenchOption = static_cast<QRadioButton*>(control);
        break;
    case Slot::EnglishOption:
        controls_.englishOption = static_cast<QRadioButton*>(control);
        break;
    case Slot::FrenchName:
        controls_.frenchName = static_cast<GlowLabel*>(control);
        break;
    case Slot::EnglishName:
        controls_.englishName = static_cast<GlowLabel*>(control);
        break;
    case Slot::FrenchFlag:
        controls_.frenchFlag = static_cast<PictureButton*>(control);
        break;
    case Slot::EnglishFlag:
        controls_.englishFlag = static_cast<PictureButton*>(control);
        break;
    case Slot::TitlesGrid:
        controls_.titlesGrid = static_cast<ColorGrid*>(control);
        break;
    case Slot::FieldsGrid:
        controls_.fieldsGrid = static_cast<ColorGrid*>(control);
        break;
    case Slot::DecimalsLabel:
        controls_.decimalsLabel = static_cast<GlowLabel*>(control);
        break;
    case Slot::Decimals:
        controls_.decimals = static_cast<QLineEdit*>(control);
        break;
    case Slot::GlassBox:
        controls_.glassBox = static_cast<QCheckBox*>(control);
        break;
    case Slot::GlassLabel:
        controls_.glassLabel = static_cast<GlowLabel*>(control);
        break;
    case Slot::SaveFrench:
        controls_.saveFrench = static_cast<PictureButton*>(control);
        break;
    case Slot::CancelFrench:
        controls_.cancelFrench = static_cast<PictureButton*>(control);
        break;
    case Slot::SaveEnglish:
        controls_.saveEnglish = static_cast<PictureButton*>(control);
        break;
    case Slot::CancelEnglish:
        controls_.cancelEnglish = static_cast<PictureButton*>(control);
        break;
    case Slot::None:
        break;
    }
}

void SettingsDialog::buildLayout() {
    for (const Place& place : kPlaces) {
        QWidget* control = makeControl(place);
        keep(place, control);
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
    controls_.frenchOption->setChecked(true);
    applyLanguageTexts();
}

void SettingsDialog::connectControls() {
    auto* french = controls_.frenchOption;
    auto* english = controls_.englishOption;
    auto* glass = controls_.glassBox;
    auto* decimals = controls_.decimals;
    // A screen reader names the options by their labels.
    french->setAccessibleName(controls_.frenchName->text());
    english->setAccessibleName(controls_.englishName->text());

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
    auto* titles = controls_.titlesGrid;
    auto* fields = controls_.fieldsGrid;
    connect(titles, &ColorGrid::colorChanged, this,
            [this, titles] { settings_.setTitleColor(titles->selectedColor()); });
    connect(fields, &ColorGrid::colorChanged, this,
            [this, fields] { settings_.setFieldColor(fields->selectedColor()); });
    for (PictureButton* button : {controls_.saveFrench, controls_.saveEnglish})
        connect(button, &PictureButton::clicked, this, &SettingsDialog::save);
    for (PictureButton* button : {controls_.cancelFrench, controls_.cancelEnglish})
        connect(button, &PictureButton::clicked, this, &QWidget::close);
    // A flag clicks for its option.
    connect(controls_.frenchFlag, &PictureButton::clicked, this, [french] {
        if (!french->isChecked())
            french->setChecked(true);
    });
    connect(controls_.englishFlag, &PictureButton::clicked, this, [english] {
        if (!english->isChecked())
            english->setChecked(true);
    });
    for (QWidget* control : std::initializer_list<QWidget*>{
             controls_.frenchName, controls_.englishName, controls_.glassLabel, controls_.glassBox,
             controls_.frenchOption, controls_.englishOption, controls_.decimals})
        control->installEventFilter(this);

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
    for (std::size_t i = 0; i < std::size(kPlaces); ++i) {
        const Place& place = kPlaces[i];
        if (place.kind != Kind::Flag && place.kind != Kind::Button)
            continue;
        auto* button = static_cast<PictureButton*>(placed_[i]);
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
    auto* french = controls_.frenchOption;
    auto* english = controls_.englishOption;
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
    for (std::size_t i = 0; i < std::size(kPlaces); ++i) {
        if (kPlaces[i].kind == Kind::Label)
            static_cast<GlowLabel*>(placed_[i])->setText(tr(kPlaces[i].text));
    }
    auto* decimals = controls_.decimals;
    decimals->setToolTip(tr("max 9 decimales"));
    // A screen reader names the field and the check box by their labels.
    decimals->setAccessibleName(controls_.decimalsLabel->text());
    controls_.glassBox->setAccessibleName(controls_.glassLabel->text());
    showPictureButtons(controls_.frenchOption->isChecked());
}

void SettingsDialog::showPictureButtons(bool french) {
    controls_.saveFrench->setVisible(french);
    controls_.cancelFrench->setVisible(french);
    controls_.saveEnglish->setVisible(!french);
    controls_.cancelEnglish->setVisible(!french);
}

// The chosen language for both windows: the interface's texts switch first (this window's
// caption, the main window's texts), then this window's labels follow in it.
void SettingsDialog::languageChosen() {
    const bool french = controls_.frenchOption->isChecked();
    settings_.setLanguage(QString::fromLatin1(french ? stored::kFrench : stored::kEnglish));
    applyLanguageTexts();
    update();
}

void SettingsDialog::glassModeChosen() {
    const bool on = controls_.glassBox->isChecked();
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
    const int value = controls_.decimals->text().toInt(&ok);
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
    auto* glass = controls_.glassBox;
    auto* french = controls_.frenchOption;
    auto* english = controls_.englishOption;
    auto* decimals = controls_.decimals;
    auto* titles = controls_.titlesGrid;
    auto* fields = controls_.fieldsGrid;
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
    // The three labels that click for their control.
    const bool label = watched == controls_.frenchName || watched == controls_.englishName ||
                       watched == controls_.glassLabel;
    if (label && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == controls_.glassLabel) {
            controls_.glassBox->toggle();
        } else {
            QRadioButton* option =
                watched == controls_.frenchName ? controls_.frenchOption : controls_.englishOption;
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
