#include "AppState.h"
#include "GlowLabel.h"
#include "JvFormConfig.h"
#include "Settings.h"
#include "Shape.h"
#include "TJvImage.h"
#include "TJvOfficeColorPanel.h"
#include "ValueField.h"
#include "WindowTest.h"

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
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
        QTimer::singleShot(0, settings.get(), [this] { settings->close(); });
        window->show();
        settings->show();
        settings->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(settings.get()));
    }
};

TEST_F(SettingsWindow, StateAtCreation) {
    EXPECT_TRUE(settings->RadioBtn_FR->isChecked());
    EXPECT_FALSE(settings->RadioBtn_UK->isChecked());
    EXPECT_EQ(settings->Ed_NbDec->text(), QStringLiteral("4"));
    EXPECT_TRUE(settings->JvImg_SaveFR->isVisible());
    EXPECT_FALSE(settings->JvImg_SaveUK->isVisible());
}

// The style may draw a check box or an option button larger than its 13-pixel spot: each
// gets the size it is drawn at, centred on its spot.
TEST_F(SettingsWindow, IndicatorsAreLaidOutAtTheirSize) {
    const std::pair<QWidget*, QRect> indicators[] = {
        {settings->JvCheckBoxAero, {176, 267, 13, 13}},
        {settings->RadioBtn_FR, {20, 40, 13, 13}},
        {settings->RadioBtn_UK, {300, 40, 13, 13}},
    };
    for (const auto& [control, spot] : indicators) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_GE(control->width(), control->sizeHint().width());
        EXPECT_GE(control->height(), control->sizeHint().height());
        EXPECT_LE(std::abs(control->geometry().center().x() - spot.center().x()), 1);
        EXPECT_LE(std::abs(control->geometry().center().y() - spot.center().y()), 1);
    }
    EXPECT_LT(settings->JvCheckBoxAero->geometry().right(), settings->Label_CheckAero->x());
}

TEST_F(SettingsWindow, EnterOnEachControlAsksAndNoChangesNothing) {
    platform.confirmAnswer = 7;
    for (QWidget* w : std::initializer_list<QWidget*>{settings->JvCheckBoxAero,
                                                      settings->RadioBtn_FR, settings->Ed_NbDec}) {
        key(w, Qt::Key_Return);
    }
    ASSERT_EQ(platform.questions.size(), 3);
    EXPECT_EQ(
        platform.questions[0],
        QStringLiteral("Avertissement|Confirmez-vous la modification des paramètres ?|&Oui|&Non"));
    EXPECT_TRUE(settings->isVisible());
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(SettingsWindow, YesWithoutFolderCreatesBothFoldersAndTheFile) {
    platform.confirmAnswer = 6;
    settings->RadioBtn_UK->setChecked(true);
    key(settings->Ed_NbDec, Qt::Key_Return);
    EXPECT_EQ(platform.questions.back(), QStringLiteral("Avertissement|Save settings ?|&Oui|&Non"));
    EXPECT_FALSE(settings->isVisible());
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("<?xml version=\"1.0\" encoding=\"Windows-1252\" "
                                      "standalone=\"no\"?>\r\n<Configuration>\r\n  <f_main>\r\n"
                                      "    <AeroMode>FALSE</AeroMode>\r\n"
                                      "    <Color1>clBlack</Color1>\r\n"
                                      "    <Color2>clWhite</Color2>\r\n"
                                      "    <Lang>UK</Lang>\r\n    <Dec>4</Dec>\r\n"
                                      "  </f_main>\r\n</Configuration>\r\n"));
    EXPECT_EQ(AppState.myLang, QStringLiteral("UK")); // read back after saving
}

TEST_F(SettingsWindow, CancelEscapeAndCloseBoxPutEverythingBack) {
    for (int way = 0; way < 3; ++way) {
        settings->show();
        settings->Label_UKClick();
        EXPECT_EQ(window->Label_TitlePression->text(), QStringLiteral("Pressure"));
        EXPECT_EQ(settings->Label_Dec->text(), QStringLiteral("Number of decimals"));
        EXPECT_TRUE(settings->JvImg_CancelUK->isVisible());
        settings->JvColorPanel1->setSelectedColor(0x0000FF);
        EXPECT_EQ(window->Label_TitlePression->palette().color(QPalette::WindowText),
                  QColor(Qt::red));
        settings->JvCheckBoxAero->setChecked(true);
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::black));
        EXPECT_EQ(settings->Shape_Options->penColor(), QColor(Qt::white));
        settings->Ed_NbDec->setText(QStringLiteral("6"));
        EXPECT_EQ(AppState.myNbDec, 6);
        if (way == 0)
            settings->ACancelExecute();
        else if (way == 1)
            key(settings->Ed_NbDec, Qt::Key_Escape);
        else
            settings->close();
        EXPECT_FALSE(settings->isVisible()) << way;
        EXPECT_EQ(AppState.myLang, QStringLiteral("FR")) << way;
        EXPECT_EQ(window->Label_TitlePression->text(), QStringLiteral("Pression")) << way;
        EXPECT_EQ(settings->Label_Dec->text(), QStringLiteral("Nombre de décimales")) << way;
        EXPECT_EQ(AppState.myColor1, 0u) << way;
        EXPECT_FALSE(AppState.myAeroMode) << way;
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white)) << way;
        EXPECT_EQ(AppState.myNbDec, 4) << way;
        EXPECT_EQ(settings->Ed_NbDec->text(), QStringLiteral("4")) << way;
    }
}

TEST_F(SettingsWindow, TheSelectedOptionItsLabelOrItsFlagRunNothing) {
    AppState.myLang = QStringLiteral("xx"); // a switch would overwrite this
    settings->Label_FRClick();
    QTest::mouseClick(settings->RadioBtn_FR, Qt::LeftButton);
    QTest::mouseClick(settings->ImgFR, Qt::LeftButton);
    EXPECT_TRUE(settings->RadioBtn_FR->isChecked());
    EXPECT_EQ(AppState.myLang, QStringLiteral("xx"));
    QTest::mouseClick(settings->Label_UK, Qt::LeftButton); // the other label switches at once
    EXPECT_EQ(AppState.myLang, QStringLiteral("UK"));
    EXPECT_TRUE(settings->RadioBtn_UK->isChecked());
    EXPECT_FALSE(settings->RadioBtn_FR->isChecked());
    EXPECT_EQ(window->Label_TitlePression->text(), QStringLiteral("Pressure"));
}

TEST_F(SettingsWindow, TheCheckBoxLabelTogglesGlassMode) {
    QTest::mouseClick(settings->Label_CheckAero, Qt::LeftButton);
    EXPECT_TRUE(settings->JvCheckBoxAero->isChecked());
    EXPECT_TRUE(AppState.myAeroMode);
    EXPECT_EQ(settings->JvColorPanel1->BackColor(), QColor(Qt::black));
    EXPECT_EQ(settings->Label_Color1->glowSize(), 7);
    QTest::mouseClick(settings->Label_CheckAero, Qt::LeftButton);
    EXPECT_FALSE(AppState.myAeroMode);
    EXPECT_EQ(settings->JvColorPanel1->BackColor(), QColor(Qt::white));
}

TEST_F(SettingsWindow, DeletingTheDigitKeepsTheDecimalsALetterIsRefused) {
    settings->Ed_NbDec->setFocus();
    settings->Ed_NbDec->selectAll();
    QTest::keyClick(settings->Ed_NbDec, Qt::Key_7);
    EXPECT_EQ(AppState.myNbDec, 7);
    QTest::keyClick(settings->Ed_NbDec, Qt::Key_Backspace);
    EXPECT_EQ(settings->Ed_NbDec->text(), QString());
    EXPECT_EQ(AppState.myNbDec, 7);
    QTest::keyClick(settings->Ed_NbDec, Qt::Key_A);
    EXPECT_EQ(settings->Ed_NbDec->text(), QString());
    QTest::keyClick(settings->Ed_NbDec, Qt::Key_2);
    QTest::keyClick(settings->Ed_NbDec, Qt::Key_3); // one character at most
    EXPECT_EQ(settings->Ed_NbDec->text(), QStringLiteral("2"));
}

TEST_F(SettingsWindow, ABadColourTextKeepsTheWindowOpenUntilSave) {
    makeConfigDir();
    TheSettings().section().WriteString("Color1", "bleu");
    settings->ACancelExecute();
    EXPECT_TRUE(settings->isVisible());
    ASSERT_FALSE(platform.errorBoxes.isEmpty());
    EXPECT_EQ(platform.errorBoxes.back().text,
              QStringLiteral("''bleu'' n'est pas une valeur entière valide."));
    key(settings->Ed_NbDec, Qt::Key_Escape);
    EXPECT_TRUE(settings->isVisible());
    platform.confirmAnswer = 6;
    settings->ASaveExecute(); // writes valid colour texts first
    EXPECT_FALSE(settings->isVisible());
}

TEST_F(SettingsWindow, ColourGridsChangeBothWindowsAtOnce) {
    settings->JvColorPanel2->setSelectedColor(0x00FFFF); // yellow
    EXPECT_EQ(AppState.myColor2, 0x00FFFFu);
    EXPECT_EQ(window->Ed_Kelvin->palette().color(QPalette::Base), QColor(Qt::yellow));
}

} // namespace
} // namespace baritemp
