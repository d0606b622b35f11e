#include "BaritempApplication.h"
#include "ConfigSection.h"
#include "EntryCycle.h"
#include "GlowLabel.h"
#include "PictureButton.h"
#include "PublishedResults.h"
#include "RegionalSettings.h"
#include "Shape.h"
#include "TextCodec.h"
#include "ValueField.h"
#include "WindowTest.h"

#include <QDir>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

#include <memory>
#include <vector>

namespace baritemp {
namespace {

// The real main window, driven with real key events, French regional settings.
class MainWindowTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // A documents folder whose configuration folder exists: the first show writes the
        // file and reads the defaults from it, without opening the settings window.
        makeConfigDir();
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        createMainWindow();
        // A plain blank as the group separator, as the examples write it.
        window->setSeparators({u',', u' '});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        WindowTest::TearDown();
        QLocale::setDefault(QLocale::c());
    }

    QStringList hints(int from, int to) const {
        QStringList out;
        for (int i = from; i < to; ++i)
            out << fields()[i]->textHint();
        return out;
    }
};

TEST_F(MainWindowTest, OneBarInEveryUnit) {
    type(field("Ed_Bar"), QStringLiteral("1"));
    enter(field("Ed_Bar"));
    EXPECT_EQ(field("Ed_Bar")->text(), QStringLiteral("1,0000 bar"));
    EXPECT_EQ(field("Ed_Bar")->selectedText(), QStringLiteral("1,0000 bar"));
    EXPECT_EQ(hints(0, 14),
              (QStringList{"1,0000 bar", "1 000,0000 mbar", "14,5038 psi", "1,0197 kg/cm²",
                           "100 000,0000 Pa", "10 000,0000 daPa", "100,0000 kPa", "0,1000 MPa",
                           "750,0617 Torr", "10,1972 mCE", "750,0615 mmHg", "10 197,1621 mmCE",
                           "29,5300 inch Hg", "401,4742 inch CE"}));
    for (int i = 1; i < 17; ++i)
        EXPECT_TRUE(fields()[i]->text().isEmpty()) << i;
    // The banner line for the typed text.
    EXPECT_TRUE(platform.debugLines.contains(QStringLiteral("Dev 1")));
}

TEST_F(MainWindowTest, NineDecimalsTorrMmHgAndKg) {
    settings.setDecimals(9);
    type(field("Ed_Torr"), QStringLiteral("1"));
    enter(field("Ed_Torr"));
    EXPECT_EQ(field("Ed_mmHg")->textHint(), QStringLiteral("0,999999763 mmHg"));
    type(field("Ed_mmHg"), QStringLiteral("1"));
    enter(field("Ed_mmHg"));
    EXPECT_EQ(field("Ed_Torr")->textHint(), QStringLiteral("1,000000237 Torr"));
    type(field("Ed_Kg"), QStringLiteral("1"));
    enter(field("Ed_Kg"));
    EXPECT_EQ(field("Ed_Bar")->textHint(), QStringLiteral("0,980660000 bar"));
}

TEST_F(MainWindowTest, TemperatureKeepsThePressureCueBanners) {
    type(field("Ed_Bar"), QStringLiteral("2"));
    enter(field("Ed_Bar"));
    const QStringList pressure = hints(0, 14);
    type(field("Ed_Celsius"), QStringLiteral("37"));
    enter(field("Ed_Celsius"));
    EXPECT_EQ(hints(14, 17), (QStringList{"37,0000 °C", "98,6000 °F", "310,1500 K"}));
    EXPECT_EQ(hints(0, 14), pressure);
    EXPECT_TRUE(field("Ed_Bar")->text().isEmpty());
}

TEST_F(MainWindowTest, AbsoluteZeroFloorAsYouType) {
    const QStringList absoluteZero{"-273,1500 °C", "-459,6700 °F", "0,0000 K"};
    for (const auto& [name, typed, floor] :
         {std::tuple{"Ed_Celsius", "-274", "-273,15"}, std::tuple{"Ed_Kelvin", "-5", "0"},
          std::tuple{"Ed_Fahren", "-500", "-459,67"}}) {
        type(field(name), QString::fromUtf8(typed));
        EXPECT_EQ(field(name)->text(), QString::fromUtf8(floor)) << name;
        enter(field(name));
        EXPECT_EQ(hints(14, 17), absoluteZero) << name;
    }
}

TEST_F(MainWindowTest, AnInvalidNumberShowsTheErrorBoxAndChangesNothing) {
    const int guardCatches = BaritempApplication::current().lastGuardCatches();
    type(field("Ed_Bar"), QStringLiteral("1"));
    enter(field("Ed_Bar"));
    const QStringList before = hints(0, 17);
    type(field("Ed_mBar"), QStringLiteral("1,2,3"));
    enter(field("Ed_mBar"));
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0].caption, QStringLiteral("Quorzen® Convertisseur d'unités"));
    EXPECT_EQ(platform.errorBoxes[0].text,
              QStringLiteral("'1,2,3' n'est pas une valeur en virgule flottante correcte."));
    EXPECT_EQ(field("Ed_mBar")->text(), QStringLiteral("1,2,3"));
    EXPECT_TRUE(field("Ed_mBar")->hasFocus());
    EXPECT_EQ(hints(0, 17), before);
    // Too large for a double: the overflow box.
    field("Ed_Pa")->setFocus();
    field("Ed_Pa")->setText(QString(310, u'9'));
    enter(field("Ed_Pa"));
    ASSERT_EQ(platform.errorBoxes.size(), 2);
    EXPECT_EQ(platform.errorBoxes[1].caption, QStringLiteral("Quorzen® Convertisseur d'unités"));
    EXPECT_EQ(platform.errorBoxes[1].text, QStringLiteral("Débordement en virgule flottante."));
    EXPECT_EQ(field("Ed_Pa")->text(), QString(310, u'9'));
    EXPECT_TRUE(field("Ed_Pa")->hasFocus());
    // The handler reported both errors itself: no exception went through Qt's dispatch.
    EXPECT_EQ(BaritempApplication::current().lastGuardCatches(), guardCatches);
}

// A real error box takes the window's activation and gives it back when it closes: the focus
// returning with the window is no entry into the field, which keeps its text.
TEST_F(MainWindowTest, AfterTheErrorBoxTheFieldKeepsItsTextAndTheFocus) {
    platform.whileErrorBoxShows = [this] {
        QWidget box;
        box.show();
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
        box.close();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    };
    type(field("Ed_mBar"), QStringLiteral("1,2,3"));
    enter(field("Ed_mBar"));
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(field("Ed_mBar")->text(), QStringLiteral("1,2,3"));
    EXPECT_TRUE(field("Ed_mBar")->hasFocus());
    field("Ed_Pa")->setFocus();
    field("Ed_Pa")->setText(QString(310, u'9'));
    enter(field("Ed_Pa"));
    ASSERT_EQ(platform.errorBoxes.size(), 2);
    EXPECT_EQ(field("Ed_Pa")->text(), QString(310, u'9'));
    EXPECT_TRUE(field("Ed_Pa")->hasFocus());
    // Moving into a field within the window still empties it.
    field("Ed_Bar")->setFocus(Qt::TabFocusReason);
    field("Ed_Pa")->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(field("Ed_Pa")->text().isEmpty());
}

// Both windows are fixed dialogs with a close box only, and say so to the window system.
TEST_F(MainWindowTest, TheKeyFilterSwallowsWhatIsNotANumber) {
    type(field("Ed_Psi"), QStringLiteral("a1 .2,5é+-x"));
    EXPECT_EQ(field("Ed_Psi")->text(), QStringLiteral("12,5+-"));
    QKeyEvent controlB(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier, QString(QChar(2)));
    QCoreApplication::sendEvent(field("Ed_Psi"), &controlB);
    EXPECT_EQ(field("Ed_Psi")->text(), QStringLiteral("12,5+-"));
    QTest::keyClick(field("Ed_Psi"), Qt::Key_Backspace);
    EXPECT_EQ(field("Ed_Psi")->text(), QStringLiteral("12,5+"));
}

TEST_F(MainWindowTest, EnterInAnEmptyFieldDoesNothing) {
    field("Ed_Bar")->setFocus();
    enter(field("Ed_Bar"));
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
    EXPECT_EQ(field("Ed_mBar")->textHint(), QStringLiteral("mbar"));
}

TEST_F(MainWindowTest, FocusEntryEmptiesTheFieldAndHidesTheCueBanner) {
    type(field("Ed_Bar"), QStringLiteral("1"));
    enter(field("Ed_Bar"));
    EXPECT_TRUE(field("Ed_mBar")->cueBannerShown());
    field("Ed_mBar")->setFocus();
    EXPECT_FALSE(field("Ed_mBar")->cueBannerShown()); // empty, but focused
    field("Ed_Bar")->setFocus();
    EXPECT_TRUE(field("Ed_Bar")->text().isEmpty()); // entering it emptied it
    EXPECT_TRUE(field("Ed_mBar")->cueBannerShown());
}

TEST_F(MainWindowTest, OneInEachUnitShowsThePublishedResults) {
    for (int i = 0; i < 17; ++i) {
        const test::OneIn& row = test::kOneInEachUnit[i];
        SCOPED_TRACE(row.unit);
        ValueField* f = fields()[i];
        type(f, QStringLiteral("1"));
        enter(f);
        const int first = i < 14 ? 0 : 14;
        ASSERT_EQ(row.shown.size(), std::size_t{i < 14 ? 14u : 3u});
        for (std::size_t k = 0; k < row.shown.size(); ++k)
            EXPECT_EQ(fields()[first + static_cast<int>(k)]->textHint(),
                      QString::fromUtf8(row.shown[k]));
    }
}

TEST_F(MainWindowTest, TheLookFollowsLanguageAndColours) {
    EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pression"));
    EXPECT_EQ(field("Ed_Bar")->toolTip(), QStringLiteral("Pressez [Entrée] pour convertir..."));
    settings.setLanguage(Language::English);
    settings.setTitleColor(Qt::red);
    settings.setFieldColor(Qt::cyan); // aqua
    settings.setGlassMode(true);
    EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pressure"));
    EXPECT_EQ(in<GlowLabel>("Label_TitleTemperature")->text(), QStringLiteral("Temperature"));
    EXPECT_EQ(in<PictureButton>("JvImg_Tools")->toolTip(), QStringLiteral("Settings"));
    EXPECT_EQ(field("Ed_Kelvin")->toolTip(), QStringLiteral("Press [Enter] to convert..."));
    EXPECT_EQ(in<GlowLabel>("Label_Version")->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_EQ(field("Ed_Bar")->palette().color(QPalette::Base), QColor(0, 255, 255));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(in<Shape>("Shape_Pression")->penColor(), QColor(Qt::white));
    EXPECT_EQ(in<GlowLabel>("Label_quorzen")->glowSize(), 7);
    // A file's language: anything but exactly "FR" is English, none at all is French.
    settings.setLanguage(Language::French);
    settings.section().writeString("Lang", "fr");
    settings.load();
    EXPECT_EQ(settings.language(), Language::Other);
    EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pressure"));
    settings.section().writeString("Lang", "");
    settings.load();
    EXPECT_EQ(settings.language(), Language::French);
    EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pression"));
}

TEST_F(MainWindowTest, CaptionVersionLineAndFolders) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Baritemp v2011.1.2.0"));
    EXPECT_EQ(in<GlowLabel>("Label_Version")->text(),
              QStringLiteral("Quorzen® Baritemp v2011.1.2.0 "));
    const QString separator = QDir::separator();      // the platform's
    const QString documentsFolder = documents.path(); // as the platform gives it
    EXPECT_EQ(QString::fromStdString(settings.location().company),
              documentsFolder + separator + QStringLiteral("Quorzen"));
    EXPECT_EQ(QString::fromStdString(settings.location().folder),
              documentsFolder + separator + QStringLiteral("Quorzen") + separator +
                  QStringLiteral("CfgFiles") + separator);
}

TEST_F(MainWindowTest, DragStartsFromTheBackgroundOnly) {
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(200, 395)); // background
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(200, 395));
    QTest::mousePress(in<GlowLabel>("Label_TitlePression"), Qt::LeftButton);
    QTest::mouseRelease(in<GlowLabel>("Label_TitlePression"), Qt::LeftButton);
    EXPECT_EQ(platform.windowMoves, 2);
    QTest::mousePress(field("Ed_Bar"), Qt::LeftButton);
    QTest::mouseRelease(field("Ed_Bar"), Qt::LeftButton);
    QTest::mouseClick(in<PictureButton>("JvImg_Tools"), Qt::LeftButton);
    QTest::mouseClick(in<GlowLabel>("Label_quorzen"), Qt::LeftButton);
    EXPECT_EQ(platform.windowMoves, 2);
    EXPECT_EQ(platform.openedUrls, QStringList{QStringLiteral("https://www.quorzen.example")});
}

TEST_F(MainWindowTest, LinkUnderlinesWhileHovered) {
    QEvent enterEvent(QEvent::Enter);
    QCoreApplication::sendEvent(in<GlowLabel>("Label_quorzen"), &enterEvent);
    EXPECT_TRUE(in<GlowLabel>("Label_quorzen")->font().underline());
    EXPECT_TRUE(in<GlowLabel>("Label_quorzen")->font().italic());
    QEvent leaveEvent(QEvent::Leave);
    QCoreApplication::sendEvent(in<GlowLabel>("Label_quorzen"), &leaveEvent);
    EXPECT_FALSE(in<GlowLabel>("Label_quorzen")->font().underline());
}

// The system announces changed regional settings (Windows: WM_SETTINGCHANGE): the separators
// are read again, and the next conversion uses them.
TEST_F(MainWindowTest, ChangedRegionalSettingsApplyFromTheNextConversion) {
    ASSERT_TRUE(platform.settingsChanged);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    platform.settingsChanged();
    type(field("Ed_Bar"), QStringLiteral("1"));
    enter(field("Ed_Bar"));
    EXPECT_EQ(field("Ed_mBar")->textHint(), QStringLiteral("1,000.0000 mbar"));
}

TEST(RegionalSeparators, FollowTheLocaleSymbolRules) {
    EXPECT_EQ(SeparatorFromSymbol(u",", u'.'), u',');
    EXPECT_EQ(SeparatorFromSymbol(u"", u'.'), char16_t{0});
    EXPECT_EQ(SeparatorFromSymbol(u"ab", u'.'), u'.');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(UserSeparators(), (Separators{u'.', u','}));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(UserSeparators(), (Separators{u',', u'.'}));
    QLocale::setDefault(QLocale::c());
}

} // namespace
} // namespace baritemp

namespace baritemp {
namespace {

// The settings within reach of the keyboard: after the last value field, Tab reaches the tools
// icon (Enter or Space opens the settings), then the link (Enter opens the address); Shift+Tab
// goes back.
TEST_F(MainWindowTest, TabReachesTheToolsIconAndTheLink) {
    auto* tools = in<PictureButton>("JvImg_Tools");
    QWidget* link = window->findChild<QWidget*>(QStringLiteral("Label_quorzen"));
    int asked = 0;
    QObject::connect(window.get(), &MainWindow::settingsRequested, [&asked] { ++asked; });
    field("Ed_Kelvin")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field("Ed_Kelvin"), Qt::Key_Tab);
    EXPECT_TRUE(tools->hasFocus());
    QTest::keyClick(tools, Qt::Key_Return);
    QTest::keyClick(tools, Qt::Key_Space);
    EXPECT_EQ(asked, 2);
    QTest::keyClick(tools, Qt::Key_Tab);
    EXPECT_TRUE(link->hasFocus());
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_EQ(platform.openedUrls, QStringList{QStringLiteral("https://www.quorzen.example")});
    QTest::keyClick(link, Qt::Key_Backtab);
    EXPECT_TRUE(tools->hasFocus());
    // The mouse on the icon leaves the focus in the field.
    field("Ed_Bar")->setFocus();
    QTest::mouseClick(tools, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(field("Ed_Bar")->hasFocus());
    EXPECT_EQ(asked, 3);
}

} // namespace
} // namespace baritemp
