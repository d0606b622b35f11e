#include "AppState.h"
#include "BaritempApplication.h"
#include "EntryCycle.h"
#include "GlowLabel.h"
#include "PublishedResults.h"
#include "RegionalSettings.h"
#include "Shape.h"
#include "TJvImage.h"
#include "TextCodec.h"
#include "ValueField.h"
#include "WindowTest.h"

#include <QDir>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace baritemp {
namespace {

// The real main window, driven with real key events, French regional settings.
class MainWindow : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // A documents folder whose configuration folder exists: the first show writes the
        // file and reads the defaults from it, without opening the settings window.
        makeConfigDir();
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        window = std::make_unique<Tf_main>();
        // A plain blank as the group separator, as the examples write it.
        DecimalSeparator = u',';
        ThousandSeparator = u' ';
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
            out << window->valueFields()[i]->TextHint();
        return out;
    }
};

TEST_F(MainWindow, OneBarInEveryUnit) {
    type(window->Ed_Bar, QStringLiteral("1"));
    enter(window->Ed_Bar);
    EXPECT_EQ(window->Ed_Bar->text(), QStringLiteral("1,0000 bar"));
    EXPECT_EQ(window->Ed_Bar->selectedText(), QStringLiteral("1,0000 bar"));
    EXPECT_EQ(hints(0, 14),
              (QStringList{"1,0000 bar", "1 000,0000 mbar", "14,5038 psi", "1,0197 kg/cm²",
                           "100 000,0000 Pa", "10 000,0000 daPa", "100,0000 kPa", "0,1000 MPa",
                           "750,0617 Torr", "10,1972 mCE", "750,0615 mmHg", "10 197,1621 mmCE",
                           "29,5300 inch Hg", "401,4742 inch CE"}));
    for (int i = 1; i < 17; ++i)
        EXPECT_TRUE(window->valueFields()[i]->text().isEmpty()) << i;
    // The banner line for the typed text.
    EXPECT_TRUE(platform.debugLines.contains(QStringLiteral("Dev 1")));
}

TEST_F(MainWindow, NineDecimalsTorrMmHgAndKg) {
    AppState.myNbDec = 9;
    type(window->Ed_Torr, QStringLiteral("1"));
    enter(window->Ed_Torr);
    EXPECT_EQ(window->Ed_mmHg->TextHint(), QStringLiteral("0,999999763 mmHg"));
    type(window->Ed_mmHg, QStringLiteral("1"));
    enter(window->Ed_mmHg);
    EXPECT_EQ(window->Ed_Torr->TextHint(), QStringLiteral("1,000000237 Torr"));
    type(window->Ed_Kg, QStringLiteral("1"));
    enter(window->Ed_Kg);
    EXPECT_EQ(window->Ed_Bar->TextHint(), QStringLiteral("0,980660000 bar"));
}

TEST_F(MainWindow, TemperatureKeepsThePressureCueBanners) {
    type(window->Ed_Bar, QStringLiteral("2"));
    enter(window->Ed_Bar);
    const QStringList pressure = hints(0, 14);
    type(window->Ed_Celsius, QStringLiteral("37"));
    enter(window->Ed_Celsius);
    EXPECT_EQ(hints(14, 17), (QStringList{"37,0000 °C", "98,6000 °F", "310,1500 K"}));
    EXPECT_EQ(hints(0, 14), pressure);
    EXPECT_TRUE(window->Ed_Bar->text().isEmpty());
}

TEST_F(MainWindow, CelsiusFloorAsYouType) {
    type(window->Ed_Celsius, QStringLiteral("-274"));
    EXPECT_EQ(window->Ed_Celsius->text(), QStringLiteral("-273,15"));
    enter(window->Ed_Celsius);
    EXPECT_EQ(hints(14, 17), (QStringList{"-273,1500 °C", "-459,6700 °F", "0,0000 K"}));
    type(window->Ed_Kelvin, QStringLiteral("-500"));
    EXPECT_EQ(window->Ed_Kelvin->text(), QStringLiteral("-500")); // no floor in kelvin
}

TEST_F(MainWindow, AnInvalidNumberShowsTheErrorBoxAndChangesNothing) {
    const int guardCatches = BaritempApplication::lastGuardCatches();
    type(window->Ed_Bar, QStringLiteral("1"));
    enter(window->Ed_Bar);
    const QStringList before = hints(0, 17);
    type(window->Ed_mBar, QStringLiteral("1,2,3"));
    enter(window->Ed_mBar);
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0].caption, QStringLiteral("Quorzen® Convertisseur d'unités"));
    EXPECT_EQ(platform.errorBoxes[0].text,
              QStringLiteral("'1,2,3' n'est pas une valeur en virgule flottante correcte."));
    EXPECT_EQ(window->Ed_mBar->text(), QStringLiteral("1,2,3"));
    EXPECT_TRUE(window->Ed_mBar->hasFocus());
    EXPECT_EQ(hints(0, 17), before);
    // Too large for a double: the overflow box.
    window->Ed_Pa->setFocus();
    window->Ed_Pa->setText(QString(310, u'9'));
    enter(window->Ed_Pa);
    ASSERT_EQ(platform.errorBoxes.size(), 2);
    EXPECT_EQ(platform.errorBoxes[1].caption, QStringLiteral("Quorzen® Convertisseur d'unités"));
    EXPECT_EQ(platform.errorBoxes[1].text, QStringLiteral("Débordement en virgule flottante."));
    EXPECT_EQ(window->Ed_Pa->text(), QString(310, u'9'));
    EXPECT_TRUE(window->Ed_Pa->hasFocus());
    // The handler reported both errors itself: no exception went through Qt's dispatch.
    EXPECT_EQ(BaritempApplication::lastGuardCatches(), guardCatches);
}

// A real error box takes the window's activation and gives it back when it closes: the focus
// returning with the window is no entry into the field, which keeps its text.
TEST_F(MainWindow, AfterTheErrorBoxTheFieldKeepsItsTextAndTheFocus) {
    platform.whileErrorBoxShows = [this] {
        QWidget box;
        box.show();
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
        box.close();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    };
    type(window->Ed_mBar, QStringLiteral("1,2,3"));
    enter(window->Ed_mBar);
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(window->Ed_mBar->text(), QStringLiteral("1,2,3"));
    EXPECT_TRUE(window->Ed_mBar->hasFocus());
    window->Ed_Pa->setFocus();
    window->Ed_Pa->setText(QString(310, u'9'));
    enter(window->Ed_Pa);
    ASSERT_EQ(platform.errorBoxes.size(), 2);
    EXPECT_EQ(window->Ed_Pa->text(), QString(310, u'9'));
    EXPECT_TRUE(window->Ed_Pa->hasFocus());
    // Moving into a field within the window still empties it.
    window->Ed_Bar->setFocus(Qt::TabFocusReason);
    window->Ed_Pa->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(window->Ed_Pa->text().isEmpty());
}

// Both windows are fixed dialogs with a close box only, and say so to the window system.
TEST_F(MainWindow, TheKeyFilterSwallowsWhatIsNotANumber) {
    type(window->Ed_Psi, QStringLiteral("a1 .2,5é+-x"));
    EXPECT_EQ(window->Ed_Psi->text(), QStringLiteral("12,5+-"));
    QKeyEvent controlB(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier, QString(QChar(2)));
    QCoreApplication::sendEvent(window->Ed_Psi, &controlB);
    EXPECT_EQ(window->Ed_Psi->text(), QStringLiteral("12,5+-"));
    QTest::keyClick(window->Ed_Psi, Qt::Key_Backspace);
    EXPECT_EQ(window->Ed_Psi->text(), QStringLiteral("12,5+"));
}

TEST_F(MainWindow, EnterInAnEmptyFieldDoesNothing) {
    window->Ed_Bar->setFocus();
    enter(window->Ed_Bar);
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
    EXPECT_EQ(window->Ed_mBar->TextHint(), QStringLiteral("mbar"));
}

TEST_F(MainWindow, FocusEntryEmptiesTheFieldAndHidesTheCueBanner) {
    type(window->Ed_Bar, QStringLiteral("1"));
    enter(window->Ed_Bar);
    EXPECT_TRUE(window->Ed_mBar->cueBannerShown());
    window->Ed_mBar->setFocus();
    EXPECT_FALSE(window->Ed_mBar->cueBannerShown()); // empty, but focused
    window->Ed_Bar->setFocus();
    EXPECT_TRUE(window->Ed_Bar->text().isEmpty()); // entering it emptied it
    EXPECT_TRUE(window->Ed_mBar->cueBannerShown());
}

TEST_F(MainWindow, OneInEachUnitShowsThePublishedResults) {
    for (int i = 0; i < 17; ++i) {
        const test::OneIn& row = test::kOneInEachUnit[i];
        SCOPED_TRACE(row.unit);
        ValueField* f = window->valueFields()[i];
        type(f, QStringLiteral("1"));
        enter(f);
        const int first = i < 14 ? 0 : 14;
        ASSERT_EQ(row.shown.size(), std::size_t{i < 14 ? 14u : 3u});
        for (std::size_t k = 0; k < row.shown.size(); ++k)
            EXPECT_EQ(window->valueFields()[first + static_cast<int>(k)]->TextHint(),
                      QString::fromUtf8(row.shown[k]));
    }
}

TEST_F(MainWindow, RefreshFormAppliesLanguageAndColours) {
    EXPECT_EQ(window->Label_TitlePression->text(), QStringLiteral("Pression"));
    EXPECT_EQ(window->Ed_Bar->toolTip(), QStringLiteral("Pressez [Entrée] pour convertir..."));
    AppState.myLang = QStringLiteral("UK");
    AppState.myColor1 = 0x0000FF; // red
    AppState.myColor2 = 0xFFFF00; // aqua
    AppState.myAeroMode = true;
    window->RefreshForm();
    EXPECT_EQ(window->Label_TitlePression->text(), QStringLiteral("Pressure"));
    EXPECT_EQ(window->Label_TitleTemperature->text(), QStringLiteral("Temperature"));
    EXPECT_EQ(window->JvImg_Tools->toolTip(), QStringLiteral("Settings"));
    EXPECT_EQ(window->Ed_Kelvin->toolTip(), QStringLiteral("Press [Enter] to convert..."));
    EXPECT_EQ(window->Label_Version->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(window->Ed_Bar->palette().color(QPalette::Base), QColor(0, 255, 255));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(window->Shape_Pression->penColor(), QColor(Qt::white));
    EXPECT_EQ(window->Label_quorzen->glowSize(), 7);
    AppState.myLang = QStringLiteral("fr"); // anything but exactly "FR" is English
    window->RefreshForm();
    EXPECT_EQ(window->Label_TitlePression->text(), QStringLiteral("Pressure"));
    AppState.myLang.clear();
    window->RefreshForm();
    EXPECT_EQ(AppState.myLang, QStringLiteral("FR"));
}

TEST_F(MainWindow, CaptionVersionLineAndFolders) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Baritemp v2011.1.2.0"));
    EXPECT_EQ(window->Label_Version->text(), QStringLiteral("Quorzen® Baritemp v2011.1.2.0 "));
    const QString separator = QDir::separator(); // the platform's
    EXPECT_EQ(AppState.CompanyDir, documents.path() + separator + QStringLiteral("Quorzen"));
    EXPECT_EQ(AppState.ConfigDir, documents.path() + separator + QStringLiteral("Quorzen") +
                                      separator + QStringLiteral("CfgFiles") + separator);
}

TEST_F(MainWindow, DragStartsFromTheBackgroundOnly) {
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(200, 395)); // background
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(200, 395));
    QTest::mousePress(window->Label_TitlePression, Qt::LeftButton);
    QTest::mouseRelease(window->Label_TitlePression, Qt::LeftButton);
    EXPECT_EQ(platform.windowMoves, 2);
    QTest::mousePress(window->Ed_Bar, Qt::LeftButton);
    QTest::mouseRelease(window->Ed_Bar, Qt::LeftButton);
    QTest::mouseClick(window->JvImg_Tools, Qt::LeftButton);
    QTest::mouseClick(window->Label_quorzen, Qt::LeftButton);
    EXPECT_EQ(platform.windowMoves, 2);
    EXPECT_EQ(platform.openedUrls, QStringList{QStringLiteral("https://www.quorzen.example")});
}

TEST_F(MainWindow, LinkUnderlinesWhileHovered) {
    QEvent enterEvent(QEvent::Enter);
    QCoreApplication::sendEvent(window->Label_quorzen, &enterEvent);
    EXPECT_TRUE(window->Label_quorzen->font().underline());
    EXPECT_TRUE(window->Label_quorzen->font().italic());
    QEvent leaveEvent(QEvent::Leave);
    QCoreApplication::sendEvent(window->Label_quorzen, &leaveEvent);
    EXPECT_FALSE(window->Label_quorzen->font().underline());
}

// The system announces changed regional settings (Windows: WM_SETTINGCHANGE): the separators
// are read again, and the next conversion uses them.
TEST_F(MainWindow, ChangedRegionalSettingsApplyFromTheNextConversion) {
    ASSERT_TRUE(platform.settingsChanged);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    platform.settingsChanged();
    type(window->Ed_Bar, QStringLiteral("1"));
    enter(window->Ed_Bar);
    EXPECT_EQ(window->Ed_mBar->TextHint(), QStringLiteral("1,000.0000 mbar"));
}

TEST(RegionalSeparators, FollowTheLocaleSymbolRules) {
    EXPECT_EQ(SeparatorFromSymbol(QStringLiteral(","), u'.'), u',');
    EXPECT_EQ(SeparatorFromSymbol(QString(), u'.'), char16_t{0});
    EXPECT_EQ(SeparatorFromSymbol(QStringLiteral("ab"), u'.'), u'.');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ReadRegionalSeparators();
    EXPECT_EQ(DecimalSeparator, u'.');
    EXPECT_EQ(ThousandSeparator, u',');
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ReadRegionalSeparators();
    EXPECT_EQ(DecimalSeparator, u',');
    EXPECT_EQ(ThousandSeparator, u'.');
    QLocale::setDefault(QLocale::c());
}

} // namespace
} // namespace baritemp
