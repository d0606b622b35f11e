#include "MainWindow.h"
#include "MainWindowLayout.h"

#include "Accessibility.h"
#include "Artwork.h"
#include "BaritempApplication.h"
#include "ConversionError.h"
#include "Desktop.h"
#include "Diagnostics.h"
#include "EntryCycle.h"
#include "GlowLabel.h"
#include "Messages.h"
#include "PictureButton.h"
#include "RegionalSettings.h"
#include "Shape.h"
#include "TemperatureConversion.h"
#include "U16Text.h"
#include "ValueField.h"
#include "VersionTexts.h"
#include "WindowFrame.h"
#include "WindowLook.h"
#include "WindowPlacement.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>

namespace baritemp {

QString MainWindow::makerAddress() {
    return QStringLiteral("https://www.quorzen.example");
}

MainWindow::MainWindow(Settings& settings, Desktop& desktop, const VersionTexts& version,
                       QWidget* parent)
    : QWidget(parent, kFixedDialogFrame), settings_(settings), desktop_(desktop) {
    InstallAccessibility();
    setObjectName(QStringLiteral("f_main"));
    setFixedSize(360, 435);
    setFont(MakeFont("Tahoma", 11));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    buildLayout(version);
    setWindowTitle(QString::fromStdString(version.caption("No Filversion")));

    // Every result of the last conversion, one line per field in tab order.
    auto* copyAll = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(copyAll, &QShortcut::activated, this, &MainWindow::copyAllResults);
    // This window shows what the settings window chooses, at once (the texts follow the
    // interface language by themselves; decimals show from the next conversion on).
    connect(&settings_, &Settings::glassModeChanged, this, &MainWindow::refresh);
    connect(&settings_, &Settings::titleColorChanged, this, &MainWindow::setLabelsColor);
    connect(&settings_, &Settings::fieldColorChanged, this, &MainWindow::setFieldsColor);
    // The regional separators, now and whenever the system announces changed settings.
    readRegionalSettings();
}

void MainWindow::readRegionalSettings() {
    setSeparators(UserSeparators());
}

// One control of the layout, as its kind is made.
QWidget* MainWindow::makeControl(const mainwindow::Place& place, const VersionTexts& version) {
    using mainwindow::Kind;
    switch (place.kind) {
    case Kind::Picture: {
        auto* picture = new QLabel(this);
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(ArtworkPicture("background"));
        return picture;
    }
    case Kind::Frame:
        return new Shape(this);
    case Kind::PressureTitle:
    case Kind::TemperatureTitle: {
        auto* title = new GlowLabel(this);
        title->setFont(MakeFont("Tahoma", 11));
        (place.kind == Kind::PressureTitle ? pressureTitle_ : temperatureTitle_) = title;
        return title;
    }
    case Kind::VersionLine: {
        auto* line = new GlowLabel(this);
        line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont font = MakeFont("Calibri", 13, false, true);
        font.setUnderline(true);
        line->setFont(font);
        line->setText(QString::fromStdString(version.versionLine("No Filversion")));
        return line;
    }
    case Kind::Link: {
        auto* link = new GlowLabel(this);
        MarkAsLink(link); // before anything asks a screen reader's view of it
        link->setAlignment(Qt::AlignCenter);
        link->setFont(MakeFont("Calibri", 13, false, true));
        link->setText(QStringLiteral("www.quorzen.example"));
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
        link->setAccessibleName(makerAddress());
        link_ = link;
        return link;
    }
    case Kind::ToolsIcon:
        break;
    }
    tools_ = new PictureButton(this);
    tools_->setPicture(ArtworkPicture("tools"));
    connect(tools_, &PictureButton::clicked, this, &MainWindow::settingsRequested);
    return tools_;
}

void MainWindow::buildLayout(const VersionTexts& version) {
    for (const mainwindow::Place& place : mainwindow::kPlaces) {
        QWidget* control = makeControl(place, version);
        control->setObjectName(QString::fromLatin1(place.name));
        if (place.kind == mainwindow::Kind::PressureTitle ||
            place.kind == mainwindow::Kind::TemperatureTitle)
            control->move(place.geometry.topLeft());
        else
            control->setGeometry(place.geometry);
    }
    // The layout's 106 pixels were made for a shorter address: the link widens about its centre
    // just enough for this one.
    const int linkWidth =
        qMax(106, QFontMetrics(link_->font()).horizontalAdvance(link_->text()) + 6);
    link_->setGeometry(123 + 53 - linkWidth / 2, 404, linkWidth, 16);

    for (const mainwindow::FieldPlace& place : mainwindow::kFields) {
        auto* f = new ValueField(place.unit, this);
        f->setObjectName(QString::fromLatin1(place.name));
        f->setGeometry(place.x, place.y, 129, 21);
        f->setBackgroundColor(Qt::white);
        connect(f, &QLineEdit::returnPressed, this, [this, f] { convert(f); });
        connect(f, &ValueField::conversionAsked, this, &MainWindow::convertIn);
        if (!fields_.empty())
            setTabOrder(fields_.back(), f);
        fields_.push_back(f);
    }
    // After the value fields, Tab reaches the tools icon, then the link (the mouse's clicks on
    // them leave the focus where it was).
    link_->setFocusPolicy(Qt::TabFocus);
    setTabOrder(fields_.back(), tools_);
    setTabOrder(tools_, link_);
    // The temperature fields refuse values below absolute zero as they are typed.
    for (TemperatureUnit scale :
         {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit, TemperatureUnit::Kelvin}) {
        ValueField* temperature = field(scale);
        connect(temperature, &ValueField::contentChanged, this,
                [this, temperature] { applyAbsoluteZeroFloor(temperature); });
    }
}

MainWindow::~MainWindow() {
    if (!WindowPlacementSaved(settings_))
        SaveWindowPlacement(this, settings_);
}

void MainWindow::setSeparators(const Separators& separators) {
    separators_ = separators;
    for (ValueField* f : fields_)
        f->setSeparators(separators);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    SaveWindowPlacement(this, settings_);
    QWidget::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    // The placement record first (its closing update block writes the file when the folder
    // exists), then the settings, whatever happened.
    RestoreWindowPlacement(this, settings_);
    firstShow();
}

void MainWindow::firstShow() {
    if (!settings_.nothingStored()) {
        if (!BaritempApplication::readSettings(settings_))
            return; // its error was shown; the look stays as it is
    } else {
        // Nothing stored yet: the first start's values, and the settings window before this
        // one shows.
        settings_.applyFirstRunDefaults();
        emit settingsRequested();
    }
    refresh();
}

void MainWindow::refresh() {
    const bool glass = settings_.glassMode();
    desktop_.setGlass(this, desktop_.glassEra() && glass);
    ApplyGlassLook(this, {glass, glass, glass ? kGlowSize : 0});
    retranslate();
    setLabelsColor(settings_.titleColor());
    setFieldsColor(settings_.fieldColor());
    update();
}

void MainWindow::retranslate() {
    pressureTitle_->setText(tr("Pressure"));
    temperatureTitle_->setText(tr("Temperature"));
    pressureTitle_->adjustSize();
    temperatureTitle_->adjustSize();
    tools_->setToolTip(tr("Settings"));
    tools_->setAccessibleName(tools_->toolTip()); // a screen reader's button name
    const QString hint = tr("Press [Enter] to convert...");
    for (ValueField* f : fields_)
        f->setToolTip(hint);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::LocaleChange)
        readRegionalSettings();
    QWidget::changeEvent(event);
}

void MainWindow::setLabelsColor(const QColor& color) {
    for (GlowLabel* label : findChildren<GlowLabel*>())
        label->setTextColor(color);
}

void MainWindow::setFieldsColor(const QColor& color) {
    for (ValueField* f : fields_)
        f->setBackgroundColor(color);
}

ValueField* MainWindow::field(const Unit& unit) const {
    return fields_[static_cast<std::size_t>(
        (unit.group == FieldGroup::Pressure ? 0 : kPressureUnitCount) + unit.index)];
}

void MainWindow::convert(ValueField* field) {
    if (field->text().isEmpty())
        return;                   // Enter in an empty field does nothing
    LogDiagnostic(field->text()); // the text as it was entered
    const EntryOutcome outcome = RunEntryCycle(
        field->unit(), U16FromQString(field->text()),
        NumberFormat{separators_.decimal, separators_.thousand, settings_.decimals()});
    // The trimmed text stays in the field whatever follows.
    field->setText(QStringFromU16(outcome.trimmedText));
    if (!outcome.ok()) {
        // Not a number, or too large: the box, no conversion, the field keeps its text.
        BaritempApplication::reportError(*outcome.error);
        return;
    }
    showResults(field->unit(), outcome.texts);
    lastGroup_ = field->unit().group;
}

void MainWindow::convertIn(const Unit& unit, const QString& text) {
    ValueField* target = field(unit);
    target->setFocus(Qt::OtherFocusReason); // entering it empties it
    target->setText(text);
    convert(target);
}

// Every field emptied, the source field's text (also its cue banner) selected, the other fields
// of the group their results as cue banners; the other group keeps its cue banners.
void MainWindow::showResults(const Unit& source, const std::vector<std::u16string>& texts) {
    try {
        for (ValueField* f : fields_)
            f->setText(QString());
        ValueField* sourceField = field(source);
        sourceField->setText(QStringFromU16(texts.at(static_cast<std::size_t>(source.index))));
        sourceField->setTextHint(sourceField->text());
        sourceField->selectAll();
        for (int i = 0; i < GroupSize(source.group); ++i) {
            if (i != source.index)
                field({source.group, i})
                    ->setTextHint(QStringFromU16(texts.at(static_cast<std::size_t>(i))));
        }
    } catch (...) {
        // Showing results never shows an error: what was updated stays.
    }
}

void MainWindow::applyAbsoluteZeroFloor(ValueField* temperature) {
    try {
        if (const auto floor = AbsoluteZeroFloorText(
                static_cast<TemperatureUnit>(temperature->unit().index),
                U16FromQString(temperature->text()), separators_.decimal, separators_.thousand))
            temperature->setText(QStringFromU16(*floor));
    } catch (...) {
        // The floor never shows a message.
    }
}

QString MainWindow::allResults() const {
    if (!lastGroup_)
        return {};
    QStringList lines;
    for (const ValueField* f : fields_) {
        if (f->unit().group == *lastGroup_)
            lines << f->result();
    }
    return lines.join(u'\n');
}

void MainWindow::copyAllResults() {
    const QString results = allResults();
    if (!results.isEmpty())
        QGuiApplication::clipboard()->setText(results);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    // Presses on the background, the picture, the frames, the titles and the version line
    // reach the window (those children take no mouse input); fields, the tools icon and the
    // link keep theirs, so they never start a move.
    if (event->button() == Qt::LeftButton)
        desktop_.startWindowMove(this);
    QWidget::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        desktop_.startWindowMove(this);
    QWidget::mouseMoveEvent(event);
}

// The link: underlined under the pointer, a left click opens the maker's address.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == link_) {
        GlowLabel* link = link_;
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::Leave: {
            QFont f = link->font();
            f.setUnderline(event->type() == QEvent::Enter); // italic stays
            link->setFont(f);
            break;
        }
        case QEvent::MouseButtonPress:
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                desktop_.openUrl(makerAddress());
            return true;
        case QEvent::KeyPress: {
            // A link of the keyboard: Enter or Space opens the address.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                desktop_.openUrl(makerAddress());
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace baritemp
