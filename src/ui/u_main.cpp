#include "u_main.h"

#include "Accessibility.h"
#include "AppState.h"
#include "Artwork.h"
#include "BaritempApplication.h"
#include "CommonUtils.h"
#include "GlowLabel.h"
#include "InterfaceTexts.h"
#include "NumericEntry.h"
#include "Platform.h"
#include "RegionalSettings.h"
#include "Settings.h"
#include "Shape.h"
#include "Startup.h"
#include "TJvImage.h"
#include "TemperatureConversion.h"
#include "U16Text.h"
#include "ValueField.h"
#include "WinCodes.h"
#include "WindowFrame.h"
#include "WindowPlacement.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>

#include <exception>

namespace baritemp {

QString Tf_main::MakerAddress() {
    return QStringLiteral("https://www.quorzen.example");
}

Tf_main::Tf_main() : QWidget(nullptr, kFixedDialogFrame) {
    InstallAccessibility();
    setObjectName(QStringLiteral("f_main"));
    setFixedSize(360, 435);
    setFont(MakeFont("Tahoma", 11));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);

    // Back to front.
    ImageBackGround = new QLabel(this);
    ImageBackGround->setObjectName(QStringLiteral("ImageBackGround"));
    ImageBackGround->setGeometry(0, 0, 350, 529);
    ImageBackGround->setAlignment(Qt::AlignCenter);
    ImageBackGround->setPixmap(ArtworkPicture("background"));

    Shape_Pression = new Shape(this);
    Shape_Pression->setObjectName(QStringLiteral("Shape_Pression"));
    Shape_Pression->setGeometry(12, 27, 325, 254);
    Shape_Temperature = new Shape(this);
    Shape_Temperature->setObjectName(QStringLiteral("Shape_Temperature"));
    Shape_Temperature->setGeometry(12, 306, 325, 79);

    const auto title = [this](const char* name, int x, int y) {
        auto* l = new GlowLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->move(x, y);
        l->setFont(MakeFont("Tahoma", 11));
        return l;
    };
    Label_TitlePression = title("Label_TitlePression", 12, 8);
    Label_TitleTemperature = title("Label_TitleTemperature", 12, 287);

    Label_Version = new GlowLabel(this);
    Label_Version->setObjectName(QStringLiteral("Label_Version"));
    Label_Version->setGeometry(123, 6, 214, 16);
    Label_Version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont versionFont = MakeFont("Calibri", 13, false, true);
    versionFont.setUnderline(true);
    Label_Version->setFont(versionFont);

    Label_quorzen = new GlowLabel(this);
    MarkAsLink(Label_quorzen); // before anything asks a screen reader's view of it
    Label_quorzen->setObjectName(QStringLiteral("Label_quorzen"));
    Label_quorzen->setGeometry(123, 404, 106, 16);
    Label_quorzen->setAlignment(Qt::AlignCenter);
    Label_quorzen->setFont(MakeFont("Calibri", 13, false, true));
    Label_quorzen->setText(QStringLiteral("www.quorzen.example"));
    // The layout's 106 pixels were made for a shorter address: widen the label about its
    // centre just enough for this one.
    const int linkWidth =
        qMax(106, QFontMetrics(Label_quorzen->font()).horizontalAdvance(Label_quorzen->text()) + 6);
    Label_quorzen->setGeometry(123 + 53 - linkWidth / 2, 404, linkWidth, 16);
    Label_quorzen->setCursor(Qt::PointingHandCursor);
    Label_quorzen->installEventFilter(this);
    Label_quorzen->setAccessibleName(MakerAddress());

    JvImg_Tools = new TJvImage(this);
    JvImg_Tools->setObjectName(QStringLiteral("JvImg_Tools"));
    JvImg_Tools->setGeometry(13, 404, 16, 16);
    JvImg_Tools->setPicture(ArtworkPicture("tools"));
    JvImg_Tools->OnClick = [this] { JvImg_ToolsClick(); };

    // The value fields, in tab order, above everything else.
    struct FieldPlace {
        ValueField** field;
        const char* name;
        int x, y;
        FieldGroup group;
        int index;
    };
    const FieldPlace places[] = {
        {&Ed_Bar, "Ed_Bar", 20, 36, FieldGroup::Pressure, 0},
        {&Ed_mBar, "Ed_mBar", 192, 36, FieldGroup::Pressure, 1},
        {&Ed_Psi, "Ed_Psi", 20, 72, FieldGroup::Pressure, 2},
        {&Ed_Kg, "Ed_Kg", 192, 72, FieldGroup::Pressure, 3},
        {&Ed_Pa, "Ed_Pa", 20, 108, FieldGroup::Pressure, 4},
        {&Ed_DaPa, "Ed_DaPa", 192, 108, FieldGroup::Pressure, 5},
        {&Ed_Kpa, "Ed_Kpa", 20, 144, FieldGroup::Pressure, 6},
        {&Ed_MPa, "Ed_MPa", 192, 144, FieldGroup::Pressure, 7},
        {&Ed_Torr, "Ed_Torr", 20, 180, FieldGroup::Pressure, 8},
        {&Ed_mCE, "Ed_mCE", 192, 180, FieldGroup::Pressure, 9},
        {&Ed_mmHg, "Ed_mmHg", 20, 216, FieldGroup::Pressure, 10},
        {&Ed_mmCE, "Ed_mmCE", 192, 216, FieldGroup::Pressure, 11},
        {&Ed_inchHg, "Ed_inchHg", 20, 252, FieldGroup::Pressure, 12},
        {&Ed_inchCE, "Ed_inchCE", 192, 252, FieldGroup::Pressure, 13},
        {&Ed_Celsius, "Ed_Celsius", 20, 315, FieldGroup::Temperature, 0},
        {&Ed_Fahren, "Ed_Fahren", 192, 315, FieldGroup::Temperature, 1},
        {&Ed_Kelvin, "Ed_Kelvin", 115, 351, FieldGroup::Temperature, 2},
    };
    for (const FieldPlace& place : places) {
        auto* f = new ValueField(this);
        f->setObjectName(QString::fromLatin1(place.name));
        f->setGeometry(place.x, place.y, 129, 21);
        f->Group = place.group;
        f->Index = place.index;
        f->setUnit(QStringFromU16(GroupUnit(place.group, place.index)));
        f->setBackgroundColor(Qt::white);
        f->onEnter = [this](ValueField* sender) { ClearSelEdit(sender); };
        f->onOtherUnit = [this](ValueField*, const Unit& unit, const QString& number) {
            convertIn(unit, number);
        };
        if (place.group == FieldGroup::Pressure)
            f->onKeyPress = [this](ValueField* s, char16_t& key) { Ed_PressureKeyPress(s, key); };
        else
            f->onKeyPress = [this](ValueField* s, char16_t& key) { Ed_CelsiusKeyPress(s, key); };
        *place.field = f;
        fields_ << f;
    }
    Ed_Celsius->onChange = [this](ValueField* sender) { Ed_CelsiusChange(sender); };
    for (int i = 1; i < fields_.size(); ++i)
        setTabOrder(fields_[i - 1], fields_[i]);
    // Every result of the last conversion, one line per field in tab order.
    auto* copyAll = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(copyAll, &QShortcut::activated, this, [this] { CopyAllResults(); });

    // This window shows what the settings window chooses, at once.
    settingsFollower_ = TheSettings().follow([this](Setting what) { SettingChanged(what); });

    // The regional separators, now and whenever the system announces changed settings.
    ReadRegionalSeparators();
    Platform::current().followSettingsChanges(this, [] { ReadRegionalSeparators(); });
    try {
        FormCreate();
    } catch (const std::exception& e) {
        // Shown as the window is created; the rest of FormCreate is skipped, the window stays.
        BaritempApplication::reportError(QString::fromUtf8(e.what()));
    }
}

void Tf_main::FormCreate() {
    AppState.AppCaption = MainCaption(AppState.ExecutablePath);
    Label_Version->setText(
        SplashVersionLine(AppState.ExecutablePath, Text(UiText::NoVersionRecord, true)));
    setWindowTitle(AppState.AppCaption);
    OpenConfiguration();
}

Tf_main::~Tf_main() {
    TheSettings().unfollow(settingsFollower_);
    if (!WindowPlacementSaved())
        SaveWindowPlacement(this);
}

void Tf_main::closeEvent(QCloseEvent* event) {
    SaveWindowPlacement(this);
    QWidget::closeEvent(event);
}

bool Tf_main::ReadConfig() {
    return TheSettings().readConfig();
}

void Tf_main::SettingChanged(Setting what) {
    switch (what) {
    case Setting::Lang:
        RefreshForm();
        break;
    case Setting::AeroMode:
        // The glass frame as asked, then RefreshForm sets it again under the system test.
        Platform::current().setGlass(this, AppState.myAeroMode);
        RefreshForm();
        break;
    case Setting::Color1:
        SetLabelsColor(AppState.myColor1);
        break;
    case Setting::Color2:
        SetFieldsColor(AppState.myColor2);
        break;
    case Setting::All: {
        // What the settings window's reactions to the values read would bring, once: a
        // language option becomes selected only for "FR" and "UK".
        const SettingsChanges& read = TheSettings().lastLoad();
        const bool language =
            read.lang && (InterfaceIsFrench() || AppState.myLang == LanguageCode(false));
        if (read.aeroMode)
            Platform::current().setGlass(this, AppState.myAeroMode);
        if (read.aeroMode || language) {
            RefreshForm();
            break;
        }
        if (read.color1)
            SetLabelsColor(AppState.myColor1);
        if (read.color2)
            SetFieldsColor(AppState.myColor2);
        break;
    }
    case Setting::NbDec: // shown from the next conversion on
        break;
    }
}

void Tf_main::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    // The placement record first (its closing update block writes the file when the folder
    // exists), then FormShow, whatever happened.
    RestoreWindowPlacement(this);
    FormShow();
}

void Tf_main::FormShow() {
    if (!IsFirstRun()) {
        if (!ReadConfig())
            return; // its error was shown; RefreshForm is skipped
    } else {
        // No configuration file: the first-run defaults, then the settings window.
        TheSettings().applyFirstRunDefaults();
        if (auto* settings = qobject_cast<QDialog*>(AppState.f_settings)) {
            settings->setWindowTitle(Text(UiText::SettingsCaption));
            settings->exec();
        }
    }
    RefreshForm();
}

void Tf_main::RefreshForm() {
    Platform::current().setGlass(this, IsOSVersion6OrLater() && AppState.myAeroMode);
    QPalette p = palette();
    p.setColor(QPalette::Window, AppState.myAeroMode ? Qt::black : Qt::white);
    setPalette(p);
    const QColor pen = AppState.myAeroMode ? Qt::white : Qt::black;
    Shape_Pression->setPenColor(pen);
    Shape_Temperature->setPenColor(pen);
    glowSize_ = AppState.myAeroMode ? 7 : 0;

    if (AppState.myLang.isEmpty())
        AppState.myLang = QStringLiteral("FR");
    Label_TitlePression->setText(Text(UiText::PressureTitle));
    Label_TitleTemperature->setText(Text(UiText::TemperatureTitle));
    Label_TitlePression->adjustSize();
    Label_TitleTemperature->adjustSize();
    JvImg_Tools->setToolTip(Text(UiText::SettingsCaption));
    JvImg_Tools->setAccessibleName(JvImg_Tools->toolTip()); // a screen reader's button name
    if (AppState.f_settings != nullptr)
        AppState.f_settings->setWindowTitle(Text(UiText::SettingsCaption));
    AppState.myEditHint = Text(UiText::EnterToConvert);

    for (GlowLabel* label :
         {Label_TitlePression, Label_TitleTemperature, Label_Version, Label_quorzen}) {
        label->setGlowSize(glowSize_);
        label->setGlassMode(AppState.myAeroMode); // the halo, glass shown or not
    }
    SetLabelsColor(AppState.myColor1);
    SetFieldsColor(AppState.myColor2);
    for (ValueField* f : fields_) {
        if (f->Tag == 0)
            f->setToolTip(AppState.myEditHint);
    }
    update();
}

void Tf_main::SetLabelsColor(std::uint32_t color) {
    for (GlowLabel* label :
         {Label_TitlePression, Label_TitleTemperature, Label_Version, Label_quorzen})
        label->setTextColor(ColorFromBgr(color));
}

void Tf_main::SetFieldsColor(std::uint32_t color) {
    for (ValueField* f : fields_)
        f->setBackgroundColor(ColorFromBgr(color));
}

ValueField* Tf_main::field(FieldGroup group, int index) const {
    return fields_[(group == FieldGroup::Pressure ? 0 : kPressureUnitCount) + index];
}

void Tf_main::ClearSelEdit(ValueField* sender) {
    sender->setText(QString());
}

void Tf_main::keyPress(ValueField* sender, char16_t& key) {
    key = KeyFilter(key, DecimalSeparator);
    if (sender->text().isEmpty() || key != win::kCarriageReturn)
        return;
    // Not a number, or too large: the box, no conversion, the field keeps its text and the
    // focus, and Enter is not passed on.
    if (!convert(sender))
        key = 0;
}

bool Tf_main::convert(ValueField* field) {
    const EntryOutcome outcome =
        RunEntryCycle(field->Group, field->Index, U16FromQString(field->text()),
                      NumberFormat{DecimalSeparator, ThousandSeparator, AppState.myNbDec},
                      [](std::u16string_view text) { DevLog(QStringFromU16(text)); });
    // The trimmed text stays in the field whatever follows.
    field->setText(QStringFromU16(outcome.trimmedText));
    if (!outcome.ok()) {
        BaritempApplication::reportError(QString::fromStdString(outcome.error));
        return false;
    }
    ValueDisplay(field->Group, field->Index, outcome.texts);
    lastGroup_ = field->Group;
    return true;
}

void Tf_main::convertIn(const Unit& unit, const QString& number) {
    ValueField* target = this->field(unit.group, unit.index);
    target->setFocus(Qt::OtherFocusReason); // entering it empties it
    target->setText(number);
    convert(target);
}

QString Tf_main::AllResults() const {
    if (!lastGroup_)
        return {};
    QStringList lines;
    for (const ValueField* f : fields_) {
        if (f->Group == *lastGroup_)
            lines << f->Result();
    }
    return lines.join(u'\n');
}

void Tf_main::CopyAllResults() {
    const QString results = AllResults();
    if (!results.isEmpty())
        QGuiApplication::clipboard()->setText(results);
}

void Tf_main::Ed_PressureKeyPress(ValueField* sender, char16_t& key) {
    keyPress(sender, key);
}

void Tf_main::Ed_CelsiusKeyPress(ValueField* sender, char16_t& key) {
    keyPress(sender, key);
}

void Tf_main::Ed_CelsiusChange(ValueField* sender) {
    try {
        if (const auto floor = CelsiusFloorText(U16FromQString(sender->text()), DecimalSeparator,
                                                ThousandSeparator))
            sender->setText(QStringFromU16(*floor));
    } catch (...) {
        // The floor never shows a message.
    }
}

void Tf_main::ClearAllEdits() {
    for (ValueField* f : fields_) {
        if (f->Tag == 0)
            f->setText(QString());
    }
}

void Tf_main::ValueDisplay(FieldGroup group, int sourceIndex,
                           const std::vector<std::u16string>& texts) {
    try {
        ClearAllEdits();
        ValueField* source = field(group, sourceIndex);
        source->setText(QStringFromU16(texts.at(static_cast<std::size_t>(sourceIndex))));
        source->setTextHint(source->text());
        source->selectAll();
        for (int i = 0; i < GroupSize(group); ++i) {
            if (i != sourceIndex)
                field(group, i)->setTextHint(QStringFromU16(texts.at(static_cast<std::size_t>(i))));
        }
    } catch (...) {
        // Displaying results never shows an error: what was updated stays.
    }
}

void Tf_main::JvImg_ToolsClick() {
    if (auto* settings = qobject_cast<QDialog*>(AppState.f_settings))
        settings->exec();
}

void Tf_main::Label_quorzenClick() {
    Platform::current().openUrl(MakerAddress());
}

void Tf_main::MouseMove() {
    Platform::current().startWindowMove(this);
}

void Tf_main::mousePressEvent(QMouseEvent* event) {
    // Presses on the background, the picture, the frames, the titles and the version line
    // reach the window (those children take no mouse input); fields, the tools icon and the
    // link keep theirs, so they never start a move.
    if (event->button() == Qt::LeftButton)
        MouseMove();
    QWidget::mousePressEvent(event);
}

void Tf_main::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        MouseMove();
    QWidget::mouseMoveEvent(event);
}

bool Tf_main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label_quorzen) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::Leave: {
            QFont f = Label_quorzen->font();
            f.setUnderline(event->type() == QEvent::Enter); // italic stays
            Label_quorzen->setFont(f);
            break;
        }
        case QEvent::MouseButtonPress:
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                Label_quorzenClick();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tf_main::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange)
        ReadRegionalSeparators();
    QWidget::changeEvent(event);
}

} // namespace baritemp
