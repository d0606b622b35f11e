#include "AppState.h"
#include "RegionalSettings.h"
#include "ValueField.h"
#include "WindowTest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace baritemp {
namespace {

// Every way a number reaches a value field of the real main window: the keypad, the clipboard,
// the context menu, a drop, and Enter on a result the program wrote.
class NumberEntry : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        makeConfigDir();
        window = std::make_unique<Tf_main>();
        setRules(u',', u'\u202F'); // French, as Qt and recent Windows write it
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    static void setRules(char16_t decimal, char16_t thousand) {
        DecimalSeparator = decimal;
        ThousandSeparator = thousand;
    }
    // The keypad's decimal key as the layout gives it: "." (French) or "," (German).
    static void keypadDecimal(QWidget* field, const QString& character) {
        const int key = character == QStringLiteral(".") ? Qt::Key_Period : Qt::Key_Comma;
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeypadModifier, character);
        QCoreApplication::sendEvent(field, &press);
    }
    static void keypadDigits(QWidget* field, const QString& digits) {
        for (const QChar d : digits)
            QTest::keyClick(field, static_cast<Qt::Key>(d.unicode()), Qt::KeypadModifier);
    }
    static void paste(const QString& text, QWidget* field) {
        QGuiApplication::clipboard()->setText(text);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }
    QString psi() const { return window->Ed_Psi->TextHint(); }
};

struct KeypadCase {
    const char* name;
    char16_t decimal, thousand;
    const char* layoutGives; // what the keyboard layout makes of the keypad's decimal key
    const char* bar;
    const char* psi;
};

void PrintTo(const KeypadCase& c, std::ostream* os) {
    *os << c.name;
}

class KeypadDecimal : public NumberEntry, public ::testing::WithParamInterface<KeypadCase> {};

TEST_P(KeypadDecimal, TypesTheRegionalSeparatorWhateverTheLayoutGives) {
    const KeypadCase c = GetParam();
    setRules(c.decimal, c.thousand);
    window->Ed_Bar->setFocus();
    keypadDigits(window->Ed_Bar, QStringLiteral("2"));
    keypadDecimal(window->Ed_Bar, QString::fromLatin1(c.layoutGives));
    keypadDigits(window->Ed_Bar, QStringLiteral("5"));
    enter(window->Ed_Bar);
    EXPECT_EQ(window->Ed_Bar->text(), QString::fromUtf8(c.bar));
    EXPECT_EQ(psi(), QString::fromUtf8(c.psi));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, KeypadDecimal,
    ::testing::Values(
        KeypadCase{"FrenchLayoutPoint", u',', u'\u202F', ".", "2,5000 bar", "36,2594 psi"},
        KeypadCase{"GermanLayoutComma", u',', u'.', ",", "2,5000 bar", "36,2594 psi"},
        KeypadCase{"EnglishLayoutPoint", u'.', u',', ".", "2.5000 bar", "36.2594 psi"},
        KeypadCase{"EnglishRulesCommaKey", u'.', u',', ",", "2.5000 bar", "36.2594 psi"}),
    [](const ::testing::TestParamInfo<KeypadCase>& info) { return info.param.name; });

TEST_F(NumberEntry, OnlyTheKeypadKeyIsTranslated) {
    // The main keyboard's "." stays refused under French rules.
    type(window->Ed_Bar, QStringLiteral("2.5"));
    EXPECT_EQ(window->Ed_Bar->text(), QStringLiteral("25"));
    // No decimal separator at all: the keypad key types nothing.
    setRules(0, 0);
    window->Ed_mBar->setFocus();
    keypadDecimal(window->Ed_mBar, QStringLiteral("."));
    EXPECT_EQ(window->Ed_mBar->text(), QString());
}

TEST_F(NumberEntry, PasteOfADatasheetValueConverts) {
    paste(QStringLiteral("1 013,25 mbar"), window->Ed_mBar);
    EXPECT_EQ(window->Ed_mBar->text(), QStringLiteral("1013,25"));
    enter(window->Ed_mBar);
    EXPECT_EQ(window->Ed_mBar->text(), QStringLiteral("1\u202F013,2500 mbar"));
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
}

TEST_F(NumberEntry, PasteUnderOtherRulesIsReportedNeverGuessed) {
    paste(QStringLiteral("2.5"), window->Ed_Bar);
    EXPECT_EQ(window->Ed_Bar->text(), QStringLiteral("2.5"));
    enter(window->Ed_Bar);
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0].text,
              QStringLiteral("'2.5' n'est pas une valeur en virgule flottante correcte."));
    EXPECT_EQ(window->Ed_Bar->text(), QStringLiteral("2.5"));
    EXPECT_EQ(window->Ed_mBar->TextHint(), QStringLiteral("mbar")); // nothing converted
}

TEST_F(NumberEntry, ACopiedResultPastesBackAndConverts) {
    type(window->Ed_Bar, QStringLiteral("1"));
    enter(window->Ed_Bar);
    window->Ed_Psi->setFocus();
    QTest::keyClick(window->Ed_Psi, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("14,5038 psi"));
    QTest::keyClick(window->Ed_Psi, Qt::Key_V, Qt::ControlModifier);
    enter(window->Ed_Psi);
    EXPECT_EQ(window->Ed_Bar->TextHint(), QStringLiteral("1,0000 bar"));
}

TEST_F(NumberEntry, EnterTwiceOnAGroupedResult) {
    type(window->Ed_Pa, QStringLiteral("100000"));
    enter(window->Ed_Pa);
    EXPECT_EQ(window->Ed_Pa->text(), QStringLiteral("100\u202F000,0000 Pa"));
    const QStringList first = [this] {
        QStringList hints;
        for (ValueField* f : window->valueFields())
            hints << f->TextHint();
        return hints;
    }();
    enter(window->Ed_Pa);
    enter(window->Ed_Pa);
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
    EXPECT_EQ(window->Ed_Pa->text(), QStringLiteral("100\u202F000,0000 Pa"));
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(window->valueFields()[i]->TextHint(), first[i]) << i;
}

// A value keeps its unit: pasted into a field of another unit of its quantity, it converts from
// its own; of the other quantity, or in a unit the window does not know, it is reported.
TEST_F(NumberEntry, PasteInAnotherUnitConvertsFromThatUnit) {
    paste(QStringLiteral("30 psi"), window->Ed_Bar);
    EXPECT_EQ(window->Ed_Psi->text(), QStringLiteral("30,0000 psi"));
    EXPECT_TRUE(window->Ed_Psi->hasFocus());
    EXPECT_EQ(window->Ed_Bar->text(), QString());
    EXPECT_EQ(window->Ed_Bar->TextHint(), QStringLiteral("2,0684 bar"));
    enter(window->Ed_Psi);
    EXPECT_EQ(window->Ed_Bar->TextHint(), QStringLiteral("2,0684 bar"));

    for (const auto& [text, field] : {std::pair{QStringLiteral("25 °C"), window->Ed_Torr},
                                      std::pair{QStringLiteral("12 atm"), window->Ed_Kpa}}) {
        platform.errorBoxes.clear();
        field->setFocus();
        paste(text, field);
        EXPECT_EQ(field->text(), text);
        enter(field);
        ASSERT_EQ(platform.errorBoxes.size(), 1);
        EXPECT_EQ(platform.errorBoxes[0].text,
                  u'\'' + text +
                      QStringLiteral("' n'est pas une valeur en virgule flottante correcte."));
        EXPECT_EQ(window->Ed_Bar->TextHint(), QStringLiteral("2,0684 bar")); // nothing converted
        EXPECT_EQ(window->Ed_Celsius->TextHint(), QStringLiteral("°C"));
    }
}

TEST_F(NumberEntry, ShiftInsertContextMenuAndDropPasteTheSameWay) {
    QGuiApplication::clipboard()->setText(QStringLiteral(" 1 013,25 mbar\n"));
    window->Ed_mBar->setFocus();
    QTest::keyClick(window->Ed_mBar, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(window->Ed_mBar->text(), QStringLiteral("1013,25"));
    QGuiApplication::clipboard()->setText(QStringLiteral("1 013,25"));

    // The context menu's Paste.
    window->Ed_Psi->setFocus();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                window->Ed_Psi->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(window->Ed_Psi, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* pasteAction = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().startsWith(QStringLiteral("&Paste")))
            pasteAction = a;
    ASSERT_NE(pasteAction, nullptr);
    pasteAction->trigger();
    menu->close();
    EXPECT_EQ(window->Ed_Psi->text(), QStringLiteral("1013,25"));

    // A drop from another program.
    QMimeData data;
    data.setText(QStringLiteral("29,5300 inch Hg"));
    const QPointF at(5, 5);
    QDragEnterEvent dragEnter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window->Ed_Kg, &dragEnter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(window->Ed_Kg, &drop);
    EXPECT_EQ(window->Ed_Kg->text(), QString());
    EXPECT_EQ(window->Ed_inchHg->text(), QStringLiteral("29,5300 inch Hg"));
    EXPECT_EQ(window->Ed_mBar->TextHint(), QStringLiteral("1\u202F000,0007 mbar"));
}

TEST_F(NumberEntry, EditingShortcutsWorkOtherControlCharactersDoNot) {
    type(window->Ed_Bar, QStringLiteral("125"));
    QTest::keyClick(window->Ed_Bar, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window->Ed_Bar->selectedText(), QStringLiteral("125"));
    QTest::keyClick(window->Ed_Bar, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window->Ed_Bar->text(), QString());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("125"));
    QTest::keyClick(window->Ed_Bar, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->Ed_Bar->text(), QStringLiteral("125"));
    QTest::keyClick(window->Ed_Bar, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window->Ed_Bar->text(), QString());
    QTest::keyClick(window->Ed_Bar, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(window->Ed_Bar, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->Ed_Bar->text(), QString());
    QTest::keyClick(window->Ed_Bar, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->Ed_Bar->text(), QStringLiteral("125"));
    // Any other Ctrl+letter makes a control character, which the key filter refuses.
    for (const Qt::Key k : {Qt::Key_B, Qt::Key_D, Qt::Key_Q}) {
        const QString control(QChar(k - Qt::Key_A + 1));
        QKeyEvent press(QEvent::KeyPress, k, Qt::ControlModifier, control);
        QCoreApplication::sendEvent(window->Ed_Bar, &press);
    }
    EXPECT_EQ(window->Ed_Bar->text(), QStringLiteral("125"));
}

} // namespace
} // namespace baritemp
