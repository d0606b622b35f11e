#include "SettingsDialog.h"
#include "SettingsDialogLayout.h"

#include "Artwork.h"
#include "BaritempApplication.h"
#include "ColorGrid.h"
#include "Desktop.h"
#include "GlowLabel.h"
#include "PictureButton.h"
#include "Shape.h"
#include "WindowFrame.h"
#include "WindowLook.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace baritemp {

using settingsdialog::Kind;
using settingsdialog::kPlaces;
using settingsdialog::Place;
using settingsdialog::Slot;

SettingsDialog::SettingsDialog(Settings& settings, Desktop& desktop, QWidget* parent)
    : QDialog(parent, kFixedDialogFrame), settings_(settings), desktop_(desktop) {
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
    case Kind::Option:
        return new QRadioButton(this); // in the languages' button group
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
    // The labels name their controls and click for them; a screen reader names the options by
    // their labels.
    controls_.frenchName->setBuddy(french);
    controls_.englishName->setBuddy(english);
    controls_.glassLabel->setBuddy(glass);
    controls_.decimalsLabel->setBuddy(decimals);
    french->setAccessibleName(controls_.frenchName->text());
    english->setAccessibleName(controls_.englishName->text());

    // Reactions: a control set by code behaves as if the user had changed it. The settings
    // announce what really changed, and both windows follow.
    languages_ = new QButtonGroup(this);
    languages_->addButton(french, static_cast<int>(Language::French));
    languages_->addButton(english, static_cast<int>(Language::English));
    connect(languages_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            settings_.setLanguage(static_cast<Language>(id));
    });
    connect(glass, &QCheckBox::toggled, &settings_, &Settings::setGlassMode);
    connect(decimals, &QLineEdit::textChanged, this, &SettingsDialog::decimalsEdited);
    auto* titles = controls_.titlesGrid;
    auto* fields = controls_.fieldsGrid;
    connect(titles, &ColorGrid::colorChanged, this,
            [this, titles] { settings_.setTitleColor(titles->selectedColor()); });
    connect(fields, &ColorGrid::colorChanged, this,
            [this, fields] { settings_.setFieldColor(fields->selectedColor()); });
    for (PictureButton* button : {controls_.saveFrench, controls_.saveEnglish})
        connect(button, &PictureButton::clicked, this, &SettingsDialog::save);
    for (PictureButton* button : {controls_.cancelFrench, controls_.cancelEnglish})
        connect(button, &PictureButton::clicked, this, &SettingsDialog::reject);
    // A flag clicks for its option.
    connect(controls_.frenchFlag, &PictureButton::clicked, french, &QRadioButton::click);
    connect(controls_.englishFlag, &PictureButton::clicked, english, &QRadioButton::click);

    // Tab: the check box, the selected language option, the decimals.
    updateOptionTabStops();
    setTabOrder(glass, french);
    setTabOrder(french, english);
    setTabOrder(english, decimals);

    connect(&settings_, &Settings::glassModeChanged, this, &SettingsDialog::showGlassMode);
    connect(&settings_, &Settings::titleColorChanged, this,
            [titles](const QColor& color) { showColor(titles, color); });
    connect(&settings_, &Settings::fieldColorChanged, this,
            [fields](const QColor& color) { showColor(fields, color); });
    connect(&settings_, &Settings::languageChanged, this, &SettingsDialog::showLanguage);
    connect(&settings_, &Settings::decimalsChanged, this, &SettingsDialog::showDecimals);
    // After every read of the store the controls show every setting again (an emptied
    // decimals field its value).
    connect(&settings_, &Settings::loaded, this, &SettingsDialog::showSettings);
}

void SettingsDialog::showEvent(QShowEvent* event) {
    loadPictures();
    // What Cancel puts back: the settings as they are now.
    snapshot_ = settings_.values();
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

void SettingsDialog::updateOptionTabStops() {
    for (QAbstractButton* option : languages_->buttons())
        option->setFocusPolicy(option->isChecked() ? Qt::TabFocus : Qt::NoFocus);
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

PictureButton* SettingsDialog::defaultButton() const {
    return controls_.saveFrench->isHidden() ? controls_.saveEnglish : controls_.saveFrench;
}

void SettingsDialog::applyGlassLook(bool on) {
    // The glass frame as asked, with no system test: this window is shown only when asked for.
    desktop_.setGlass(this, on);
    ApplyGlassLook(this, {on, on, on ? kGlowSize : 0});
}

void SettingsDialog::decimalsEdited() {
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
        BaritempApplication::reportError(*failure);
        return;
    }
    snapshot_ = settings_.values(); // saved: nothing to put back
    close();
}

void SettingsDialog::showSettings() {
    showGlassMode(settings_.glassMode());
    showColor(controls_.titlesGrid, settings_.titleColor());
    showColor(controls_.fieldsGrid, settings_.fieldColor());
    showLanguage(settings_.language());
    showDecimals(settings_.decimals());
}

void SettingsDialog::showColor(ColorGrid* grid, const QColor& color) {
    const QSignalBlocker quiet(grid);
    grid->setSelectedColor(color);
}

void SettingsDialog::showGlassMode(bool on) {
    {
        const QSignalBlocker quiet(controls_.glassBox);
        controls_.glassBox->setChecked(on);
    }
    applyGlassLook(on);
}

// The interface's texts switched before (the application follows the settings first): this
// window's labels follow in the new language.
void SettingsDialog::showLanguage(Language language) {
    {
        const QSignalBlocker quiet(languages_);
        if (QAbstractButton* option = languages_->button(static_cast<int>(language))) {
            option->setChecked(true);
        } else {
            // Another language, from the file: neither option.
            languages_->setExclusive(false);
            for (QAbstractButton* each : languages_->buttons())
                each->setChecked(false);
            languages_->setExclusive(true);
        }
    }
    updateOptionTabStops();
    applyLanguageTexts();
    update();
}

void SettingsDialog::showDecimals(int decimals) {
    // The field keeps what the user is typing when it already says so.
    bool ok = false;
    if (controls_.decimals->text().toInt(&ok) == decimals && ok)
        return;
    const QSignalBlocker quiet(controls_.decimals);
    controls_.decimals->setText(QString::number(decimals));
}

void SettingsDialog::reject() {
    close(); // the closing puts back what the window opened with
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
    settings_.setValues(snapshot_);
    // Every closing reads the stored settings back; a stored colour that is no colour keeps the
    // window open, until a save writes valid ones.
    if (!BaritempApplication::readSettings(settings_)) {
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
    // Enter presses the default button wherever the focus is (a picture button that has it
    // takes Enter itself); Escape is QDialog's: reject().
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        defaultButton()->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SettingsDialog::mousePressEvent(QMouseEvent* event) {
    // The background, the frames and the plain labels take no mouse input: the press is ours.
    if (event->button() == Qt::LeftButton)
        desktop_.startWindowMove(this);
    QDialog::mousePressEvent(event);
}

} // namespace baritemp
