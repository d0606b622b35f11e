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

#include <tuple>

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
        createMainWindow();
        setRules(u',', u'\u202F'); // French, as Qt and recent Windows write it
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void setRules(char16_t decimal, char16_t thousand) {
        window->setSeparators({decimal, thousand});
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
    QString psi() const { return field("Ed_Psi")->textHint(); }
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
    field("Ed_Bar")->setFocus();
    keypadDigits(field("Ed_Bar"), QStringLiteral("2"));
    keypadDecimal(field("Ed_Bar"), QString::fromLatin1(c.layoutGives));
    keypadDigits(field("Ed_Bar"), QStringLiteral("5"));
    enter(field("Ed_Bar"));
    EXPECT_EQ(field("Ed_Bar")->text(), QString::fromUtf8(c.bar));
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
    type(field("Ed_Bar"), QStringLiteral("2.5"));
    EXPECT_EQ(field("Ed_Bar")->text(), QStringLiteral("25"));
    // No decimal separator at all: the keypad key types nothing.
    setRules(0, 0);
    field("Ed_mBar")->setFocus();
    keypadDecimal(field("Ed_mBar"), QStringLiteral("."));
    EXPECT_EQ(field("Ed_mBar")->text(), QString());
}

TEST_F(NumberEntry, PasteOfADatasheetValueConverts) {
    paste(QStringLiteral("1 013,25 mbar"), field("Ed_mBar"));
    EXPECT_EQ(field("Ed_mBar")->text(), QStringLiteral("1013,25"));
    enter(field("Ed_mBar"));
    EXPECT_EQ(field("Ed_mBar")->text(), QStringLiteral("1\u202F013,2500 mbar"));
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
}

TEST_F(NumberEntry, PasteUnderOtherRulesIsReportedNeverGuessed) {
    paste(QStringLiteral("2.5"), field("Ed_Bar"));
    EXPECT_EQ(field("Ed_Bar")->text(), QStringLiteral("2.5"));
    enter(field("Ed_Bar"));
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0].text.toStdString(),
              // (the box adds no full stop after a quote, as it never did)
              "'2.5' n'est pas un nombre ici : le séparateur décimal de vos réglages est ','");
    EXPECT_EQ(field("Ed_Bar")->text(), QStringLiteral("2.5"));
    EXPECT_EQ(field("Ed_mBar")->textHint(), QStringLiteral("mbar")); // nothing converted
}

TEST_F(NumberEntry, ACopiedResultPastesBackAndConverts) {
    type(field("Ed_Bar"), QStringLiteral("1"));
    enter(field("Ed_Bar"));
    field("Ed_Psi")->setFocus();
    QTest::keyClick(field("Ed_Psi"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("14,5038 psi"));
    QTest::keyClick(field("Ed_Psi"), Qt::Key_V, Qt::ControlModifier);
    enter(field("Ed_Psi"));
    EXPECT_EQ(field("Ed_Bar")->textHint(), QStringLiteral("1,0000 bar"));
}

TEST_F(NumberEntry, EnterTwiceOnAGroupedResult) {
    type(field("Ed_Pa"), QStringLiteral("100000"));
    enter(field("Ed_Pa"));
    EXPECT_EQ(field("Ed_Pa")->text(), QStringLiteral("100\u202F000,0000 Pa"));
    const QStringList first = [this] {
        QStringList hints;
        for (ValueField* f : fields())
            hints << f->textHint();
        return hints;
    }();
    enter(field("Ed_Pa"));
    enter(field("Ed_Pa"));
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
    EXPECT_EQ(field("Ed_Pa")->text(), QStringLiteral("100\u202F000,0000 Pa"));
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(fields()[i]->textHint(), first[i]) << i;
}

// A value keeps its unit: pasted into a field of another unit of its quantity, it converts from
// its own (in its field, or by its definition where it has none); of the other quantity, or in a
// unit no one knows, it is reported with its cause.
TEST_F(NumberEntry, PasteInAnotherUnitConvertsFromThatUnit) {
    struct Arrival {
        const char* text;
        const char* into;
        const char* source; // the field that converts
        const char* shown;
    };
    for (const Arrival& a : {Arrival{"1013 hPa", "Ed_Bar", "Ed_mBar", "1\u202F013,0000 mbar"},
                             Arrival{"1 atm", "Ed_Pa", "Ed_Pa", "101\u202F325,0000 Pa"},
                             Arrival{"10 inH2O", "Ed_Pa", "Ed_inchCE", "10,0000 inch CE"},
                             Arrival{"-1 °R", "Ed_Celsius", "Ed_Celsius", "-273,1500 °C"}}) {
        field(a.into)->setFocus();
        paste(QString::fromUtf8(a.text), field(a.into));
        EXPECT_EQ(field(a.source)->text(), QString::fromUtf8(a.shown)) << a.text;
        EXPECT_TRUE(field(a.source)->hasFocus()) << a.text;
        enter(field(a.source)); // a result the program wrote converts again
        EXPECT_EQ(field(a.source)->text(), QString::fromUtf8(a.shown)) << a.text;
    }
    EXPECT_TRUE(platform.errorBoxes.isEmpty());

    paste(QStringLiteral("30 psi"), field("Ed_Bar"));
    EXPECT_EQ(field("Ed_Psi")->text(), QStringLiteral("30,0000 psi"));
    EXPECT_TRUE(field("Ed_Psi")->hasFocus());
    EXPECT_EQ(field("Ed_Bar")->text(), QString());
    EXPECT_EQ(field("Ed_Bar")->textHint(), QStringLiteral("2,0684 bar"));
    enter(field("Ed_Psi"));
    EXPECT_EQ(field("Ed_Bar")->textHint(), QStringLiteral("2,0684 bar"));

    for (const auto& [text, target, message] :
         {std::tuple{QStringLiteral("25 °C"), field("Ed_Torr"),
                     QStringLiteral("'25 °C' est une température, pas une pression.")},
          std::tuple{QStringLiteral("12 xyz"), field("Ed_Kpa"),
                     QStringLiteral("'12 xyz' : xyz n'est pas une unité que Baritemp connaît.")},
          std::tuple{
              QStringLiteral("abc"), field("Ed_MPa"),
              QStringLiteral("'abc' n'est pas une valeur en virgule flottante correcte.")}}) {
        platform.errorBoxes.clear();
        target->setFocus();
        paste(text, target);
        EXPECT_EQ(target->text(), text);
        enter(target);
        ASSERT_EQ(platform.errorBoxes.size(), 1);
        EXPECT_EQ(platform.errorBoxes[0].text.toStdString(), message.toStdString());
        EXPECT_EQ(field("Ed_Bar")->textHint(), QStringLiteral("2,0684 bar")); // nothing converted
    }
}

TEST_F(NumberEntry, ShiftInsertContextMenuAndDropPasteTheSameWay) {
    QGuiApplication::clipboard()->setText(QStringLiteral(" 1 013,25 mbar\n"));
    field("Ed_mBar")->setFocus();
    QTest::keyClick(field("Ed_mBar"), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(field("Ed_mBar")->text(), QStringLiteral("1013,25"));
    QGuiApplication::clipboard()->setText(QStringLiteral("1 013,25"));

    // The context menu's Paste.
    field("Ed_Psi")->setFocus();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                field("Ed_Psi")->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(field("Ed_Psi"), &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* pasteAction = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().startsWith(QStringLiteral("&Paste")))
            pasteAction = a;
    ASSERT_NE(pasteAction, nullptr);
    pasteAction->trigger();
    menu->close();
    EXPECT_EQ(field("Ed_Psi")->text(), QStringLiteral("1013,25"));

    // A drop from another program.
    QMimeData data;
    data.setText(QStringLiteral("29,5300 inch Hg"));
    const QPointF at(5, 5);
    QDragEnterEvent dragEnter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(field("Ed_Kg"), &dragEnter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(field("Ed_Kg"), &drop);
    EXPECT_EQ(field("Ed_Kg")->text(), QString());
    EXPECT_EQ(field("Ed_inchHg")->text(), QStringLiteral("29,5300 inch Hg"));
    EXPECT_EQ(field("Ed_mBar")->textHint(), QStringLiteral("1\u202F000,0007 mbar"));
}

TEST_F(NumberEntry, EditingShortcutsWorkOtherControlCharactersDoNot) {
    type(field("Ed_Bar"), QStringLiteral("125"));
    QTest::keyClick(field("Ed_Bar"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field("Ed_Bar")->selectedText(), QStringLiteral("125"));
    QTest::keyClick(field("Ed_Bar"), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field("Ed_Bar")->text(), QString());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("125"));
    QTest::keyClick(field("Ed_Bar"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field("Ed_Bar")->text(), QStringLiteral("125"));
    QTest::keyClick(field("Ed_Bar"), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(field("Ed_Bar")->text(), QString());
    QTest::keyClick(field("Ed_Bar"), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(field("Ed_Bar"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field("Ed_Bar")->text(), QString());
    QTest::keyClick(field("Ed_Bar"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field("Ed_Bar")->text(), QStringLiteral("125"));
    // Any other Ctrl+letter makes a control character, which the key filter refuses.
    for (const Qt::Key k : {Qt::Key_B, Qt::Key_D, Qt::Key_Q}) {
        const QString control(QChar(k - Qt::Key_A + 1));
        QKeyEvent press(QEvent::KeyPress, k, Qt::ControlModifier, control);
        QCoreApplication::sendEvent(field("Ed_Bar"), &press);
    }
    EXPECT_EQ(field("Ed_Bar")->text(), QStringLiteral("125"));
}

} // namespace
} // namespace baritemp
