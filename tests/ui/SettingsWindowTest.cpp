#include "ColorGrid.h"
#include "ConfigSection.h"
#include "GlowLabel.h"
#include "PictureButton.h"
#include "Settings.h"
#include "Shape.h"
#include "ValueField.h"
#include "WindowTest.h"

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace baritemp {
namespace {

// Both windows as at start-up, the settings window open (modeless here: same handlers).
class SettingsWindow : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        createWindows();
        // The first show opens the settings window: close it straight away.
        QTimer::singleShot(0, dialog.get(), [this] { dialog->close(); });
        window->show();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
};

TEST_F(SettingsWindow, StateAtCreation) {
    EXPECT_TRUE(inDialog<QRadioButton>("RadioBtn_FR")->isChecked());
    EXPECT_FALSE(inDialog<QRadioButton>("RadioBtn_UK")->isChecked());
    EXPECT_EQ(inDialog<QLineEdit>("Ed_NbDec")->text(), QStringLiteral("4"));
    EXPECT_TRUE(inDialog<PictureButton>("JvImg_SaveFR")->isVisible());
    EXPECT_FALSE(inDialog<PictureButton>("JvImg_SaveUK")->isVisible());
}

// Tab reaches every control of the settings window, the picture buttons among them.
TEST_F(SettingsWindow, TabReachesEveryControl) {
    QStringList reached;
    inDialog<QLineEdit>("Ed_NbDec")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 8; ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        reached << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    for (const char* name : {"Ed_NbDec", "JvCheckBoxAero", "JvImg_SaveFR", "JvImg_CancelFR",
                             "RadioBtn_FR", "ImgFR", "Img_UK"})
        EXPECT_TRUE(reached.contains(QString::fromLatin1(name)))
            << name << " " << reached.join(u' ').toStdString();
}

// The style may draw a check box or an option button larger than its 13-pixel spot: each
// gets the size it is drawn at, centred on its spot.
TEST_F(SettingsWindow, IndicatorsAreLaidOutAtTheirSize) {
    const std::pair<QWidget*, QRect> indicators[] = {
        {inDialog<QCheckBox>("JvCheckBoxAero"), {176, 267, 13, 13}},
        {inDialog<QRadioButton>("RadioBtn_FR"), {20, 40, 13, 13}},
        {inDialog<QRadioButton>("RadioBtn_UK"), {300, 40, 13, 13}},
    };
    for (const auto& [control, spot] : indicators) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_GE(control->width(), control->sizeHint().width());
        EXPECT_GE(control->height(), control->sizeHint().height());
        EXPECT_LE(std::abs(control->geometry().center().x() - spot.center().x()), 1);
        EXPECT_LE(std::abs(control->geometry().center().y() - spot.center().y()), 1);
    }
    EXPECT_LT(inDialog<QCheckBox>("JvCheckBoxAero")->geometry().right(),
              inDialog<GlowLabel>("Label_CheckAero")->x());
}

TEST_F(SettingsWindow, EnterOnEachControlAsksAndNoChangesNothing) {
    platform.confirmAnswer = false;
    for (QWidget* w : std::initializer_list<QWidget*>{inDialog<QCheckBox>("JvCheckBoxAero"),
                                                      inDialog<QRadioButton>("RadioBtn_FR"),
                                                      inDialog<QLineEdit>("Ed_NbDec")}) {
        key(w, Qt::Key_Return);
    }
    ASSERT_EQ(platform.questions.size(), 3);
    EXPECT_EQ(
        platform.questions[0],
        QStringLiteral("Avertissement|Confirmez-vous la modification des paramètres ?|&Oui|&Non"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(SettingsWindow, YesWithoutFolderCreatesBothFoldersAndTheFile) {
    platform.confirmAnswer = true;
    inDialog<QRadioButton>("RadioBtn_UK")->setChecked(true);
    key(inDialog<QLineEdit>("Ed_NbDec"), Qt::Key_Return);
    EXPECT_EQ(platform.questions.back(), QStringLiteral("Avertissement|Save settings ?|&Oui|&Non"));
    EXPECT_FALSE(dialog->isVisible());
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("<?xml version=\"1.0\" encoding=\"Windows-1252\" "
                                      "standalone=\"no\"?>\r\n<Configuration>\r\n  <f_main>\r\n"
                                      "    <AeroMode>FALSE</AeroMode>\r\n"
                                      "    <Color1>clBlack</Color1>\r\n"
                                      "    <Color2>clWhite</Color2>\r\n"
                                      "    <Lang>UK</Lang>\r\n    <Dec>4</Dec>\r\n"
                                      "  </f_main>\r\n</Configuration>\r\n"));
    EXPECT_EQ(settings.language(), Language::English); // read back after saving
}

TEST_F(SettingsWindow, CancelEscapeAndCloseBoxPutEverythingBack) {
    for (int way = 0; way < 3; ++way) {
        dialog->show();
        QTest::mouseClick(inDialog<GlowLabel>("Label_UK"), Qt::LeftButton);
        EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pressure"));
        EXPECT_EQ(inDialog<GlowLabel>("Label_Dec")->text(), QStringLiteral("Number of decimals"));
        EXPECT_TRUE(inDialog<PictureButton>("JvImg_CancelUK")->isVisible());
        inDialog<ColorGrid>("JvColorPanel1")->setSelectedColor(Qt::red);
        EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->palette().color(QPalette::WindowText),
                  QColor(Qt::red));
        inDialog<QCheckBox>("JvCheckBoxAero")->setChecked(true);
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::black));
        EXPECT_EQ(inDialog<Shape>("Shape_Options")->penColor(), QColor(Qt::white));
        inDialog<QLineEdit>("Ed_NbDec")->setText(QStringLiteral("6"));
        EXPECT_EQ(settings.decimals(), 6);
        if (way == 0)
            dialog->close();
        else if (way == 1)
            key(inDialog<QLineEdit>("Ed_NbDec"), Qt::Key_Escape);
        else
            dialog->close();
        EXPECT_FALSE(dialog->isVisible()) << way;
        EXPECT_EQ(settings.language(), Language::French) << way;
        EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pression")) << way;
        EXPECT_EQ(inDialog<GlowLabel>("Label_Dec")->text(), QStringLiteral("Nombre de décimales"))
            << way;
        EXPECT_EQ(settings.titleColor(), QColor(Qt::black)) << way;
        EXPECT_FALSE(settings.glassMode()) << way;
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white)) << way;
        EXPECT_EQ(settings.decimals(), 4) << way;
        EXPECT_EQ(inDialog<QLineEdit>("Ed_NbDec")->text(), QStringLiteral("4")) << way;
    }
}

// The interface's texts come from the translator the language installs: switching it repaints
// both windows in the other language at once, and switching back gives the same pixels.
TEST_F(SettingsWindow, ALanguageSwitchRepaintsBothWindows) {
    const QImage mainBefore = window->grab().toImage();
    const QImage dialogBefore = dialog->grab().toImage();
    QTest::mouseClick(inDialog<GlowLabel>("Label_UK"), Qt::LeftButton);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(inDialog<GlowLabel>("Label_TitleLanguage")->text(), QStringLiteral("Language"));
    EXPECT_EQ(inDialog<QLineEdit>("Ed_NbDec")->toolTip(), QStringLiteral("max 9 decimales"));
    EXPECT_EQ(in<GlowLabel>("Label_TitleTemperature")->text(), QStringLiteral("Temperature"));
    EXPECT_EQ(field("Ed_Bar")->toolTip(), QStringLiteral("Press [Enter] to convert..."));
    EXPECT_NE(window->grab().toImage(), mainBefore);
    EXPECT_NE(dialog->grab().toImage(), dialogBefore);
    QTest::mouseClick(inDialog<GlowLabel>("Label_FR"), Qt::LeftButton);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Configuration"));
    EXPECT_EQ(window->grab().toImage(), mainBefore);
    EXPECT_EQ(dialog->grab().toImage(), dialogBefore);
}

TEST_F(SettingsWindow, TheSelectedOptionItsLabelOrItsFlagRunNothing) {
    const QSignalSpy switched(&settings, &Settings::languageChanged);
    QTest::mouseClick(inDialog<GlowLabel>("Label_FR"), Qt::LeftButton);
    QTest::mouseClick(inDialog<QRadioButton>("RadioBtn_FR"), Qt::LeftButton);
    QTest::mouseClick(inDialog<PictureButton>("ImgFR"), Qt::LeftButton);
    EXPECT_TRUE(inDialog<QRadioButton>("RadioBtn_FR")->isChecked());
    EXPECT_EQ(switched.count(), 0);
    QTest::mouseClick(inDialog<GlowLabel>("Label_UK"),
                      Qt::LeftButton); // the other label switches at once
    EXPECT_EQ(settings.language(), Language::English);
    EXPECT_TRUE(inDialog<QRadioButton>("RadioBtn_UK")->isChecked());
    EXPECT_FALSE(inDialog<QRadioButton>("RadioBtn_FR")->isChecked());
    EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pressure"));
}

TEST_F(SettingsWindow, TheCheckBoxLabelTogglesGlassMode) {
    QTest::mouseClick(inDialog<GlowLabel>("Label_CheckAero"), Qt::LeftButton);
    EXPECT_TRUE(inDialog<QCheckBox>("JvCheckBoxAero")->isChecked());
    EXPECT_TRUE(settings.glassMode());
    EXPECT_EQ(inDialog<ColorGrid>("JvColorPanel1")->backgroundColor(), QColor(Qt::black));
    EXPECT_EQ(inDialog<GlowLabel>("Label_Color1")->glowSize(), 7);
    QTest::mouseClick(inDialog<GlowLabel>("Label_CheckAero"), Qt::LeftButton);
    EXPECT_FALSE(settings.glassMode());
    EXPECT_EQ(inDialog<ColorGrid>("JvColorPanel1")->backgroundColor(), QColor(Qt::white));
}

TEST_F(SettingsWindow, DeletingTheDigitKeepsTheDecimalsALetterIsRefused) {
    inDialog<QLineEdit>("Ed_NbDec")->setFocus();
    inDialog<QLineEdit>("Ed_NbDec")->selectAll();
    QTest::keyClick(inDialog<QLineEdit>("Ed_NbDec"), Qt::Key_7);
    EXPECT_EQ(settings.decimals(), 7);
    QTest::keyClick(inDialog<QLineEdit>("Ed_NbDec"), Qt::Key_Backspace);
    EXPECT_EQ(inDialog<QLineEdit>("Ed_NbDec")->text(), QString());
    EXPECT_EQ(settings.decimals(), 7);
    QTest::keyClick(inDialog<QLineEdit>("Ed_NbDec"), Qt::Key_A);
    EXPECT_EQ(inDialog<QLineEdit>("Ed_NbDec")->text(), QString());
    QTest::keyClick(inDialog<QLineEdit>("Ed_NbDec"), Qt::Key_2);
    QTest::keyClick(inDialog<QLineEdit>("Ed_NbDec"), Qt::Key_3); // one character at most
    EXPECT_EQ(inDialog<QLineEdit>("Ed_NbDec")->text(), QStringLiteral("2"));
}

TEST_F(SettingsWindow, ABadColourTextKeepsTheWindowOpenUntilSave) {
    makeConfigDir();
    settings.section().writeString("Color1", "bleu");
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_FALSE(platform.errorBoxes.isEmpty());
    EXPECT_EQ(platform.errorBoxes.back().text,
              QStringLiteral("''bleu'' n'est pas une valeur entière valide."));
    key(inDialog<QLineEdit>("Ed_NbDec"), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    platform.confirmAnswer = true;
    saveSettings(); // writes valid colour texts first
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SettingsWindow, ColourGridsChangeBothWindowsAtOnce) {
    inDialog<ColorGrid>("JvColorPanel2")->setSelectedColor(Qt::yellow);
    EXPECT_EQ(settings.fieldColor(), QColor(Qt::yellow));
    EXPECT_EQ(field("Ed_Kelvin")->palette().color(QPalette::Base), QColor(Qt::yellow));
}

} // namespace
} // namespace baritemp
