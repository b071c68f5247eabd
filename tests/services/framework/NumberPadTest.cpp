// The on-screen number pad: editing by its keys and by the keyboard, and writing the field.
#include "framework/NumberPad.h"
#include "ModalDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

/// Object name of the pad key for one character of a key sequence; "<" is backspace.
QString keyName(QChar key) {
    switch (key.unicode()) {
    case u'.':
        return QStringLiteral("numberPadPoint");
    case u'-':
        return QStringLiteral("numberPadMinus");
    case u'<':
        return QStringLiteral("numberPadBackspace");
    case u'C':
        return QStringLiteral("numberPadClear");
    default:
        return QStringLiteral("numberPadKey%1").arg(key);
    }
}

/// Clicks the pad keys of keys one after another with the mouse.
void tap(QWidget* pad, const QString& keys) {
    for (const QChar key : keys) {
        auto* button = pad->findChild<QPushButton*>(keyName(key));
        ASSERT_NE(button, nullptr) << keyName(key).toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

void tapButton(QWidget* pad, const char* name) {
    auto* button = pad->findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

/// The text after opening a pad on start and tapping keys.
QString tapped(const QString& start, const QString& keys) {
    NumberPad pad(QStringLiteral("Anzahl"), start);
    pad.show();
    tap(&pad, keys);
    return pad.text();
}

TEST(NumberPadTest, FirstDigitOrPointReplacesTheWholeStartText) {
    EXPECT_EQ(tapped("0", "5"), "5");
    EXPECT_EQ(tapped("250", "34"), "34");
    EXPECT_EQ(tapped("12abc", "7"), "7");
    EXPECT_EQ(tapped("3", "."), "0.");
    EXPECT_EQ(tapped("3", ""), "3");
}

TEST(NumberPadTest, DisplayShowsTheStartTextMarkedUntilTheFirstKey) {
    NumberPad pad(QStringLiteral("Fläche"), QStringLiteral("250"));
    pad.show();
    auto* display = pad.findChild<QLineEdit*>(QStringLiteral("numberPadDisplay"));
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->text(), "250");
    EXPECT_EQ(display->selectedText(), "250");
    EXPECT_TRUE(pad.replacesText());
    tap(&pad, "4");
    EXPECT_EQ(display->text(), "4");
    EXPECT_FALSE(display->hasSelectedText());
}

TEST(NumberPadTest, DecimalPointIsWrittenAsPointOnceOnly) {
    EXPECT_EQ(tapped("0", "1.5"), "1.5");
    EXPECT_EQ(tapped("0", "1.5.2"), "1.52");
    EXPECT_EQ(tapped("0", "C.5"), "0.5");
    EXPECT_EQ(tapped("0", "C-.5"), "-0.5");
}

TEST(NumberPadTest, LoneZeroIsReplacedByTheNextDigit) {
    EXPECT_EQ(tapped("9", "05"), "5");
    EXPECT_EQ(tapped("9", "0.05"), "0.05");
    EXPECT_EQ(tapped("9", "10"), "10");
}

TEST(NumberPadTest, MinusTogglesTheSign) {
    EXPECT_EQ(tapped("5", "-"), "-5");
    EXPECT_EQ(tapped("5", "--"), "5");
    EXPECT_EQ(tapped("0", "-5"), "-5");
    EXPECT_EQ(tapped("12", "-3"), "-123");
    EXPECT_EQ(tapped("1", "C-3"), "-3");
    EXPECT_EQ(tapped("+5", "-"), "-5");
    EXPECT_EQ(tapped(" 7 ", "-"), "-7");
}

TEST(NumberPadTest, BackspaceRemovesTheLastCharacterAndClearEmpties) {
    EXPECT_EQ(tapped("250", "<"), "25");
    EXPECT_EQ(tapped("250", "<<<<"), "");
    EXPECT_EQ(tapped("-1.5", "<<"), "-1");
    EXPECT_EQ(tapped("250", "C"), "");
    EXPECT_EQ(tapped("250", "C7"), "7");
}

TEST(NumberPadTest, TextStaysWithinTheFieldLimit) {
    NumberPad pad(QStringLiteral("Anzahl"), QStringLiteral("0"));
    pad.setMaxLength(3);
    pad.show();
    tap(&pad, "1234");
    EXPECT_EQ(pad.text(), "123");
    tap(&pad, "-");
    EXPECT_EQ(pad.text(), "123");
}

TEST(NumberPadTest, KeyboardTypesDigitsCommaMinusAndDeletes) {
    NumberPad pad(QStringLiteral("Sekunden"), QStringLiteral("5"));
    pad.show();
    QTest::keyClicks(&pad, QStringLiteral("3,5"));
    EXPECT_EQ(pad.text(), "3.5");
    QTest::keyClick(&pad, Qt::Key_Minus);
    EXPECT_EQ(pad.text(), "-3.5");
    QTest::keyClick(&pad, Qt::Key_Backspace);
    EXPECT_EQ(pad.text(), "-3.");
    QTest::keyClicks(&pad, QStringLiteral("x."));
    EXPECT_EQ(pad.text(), "-3.");
    QTest::keyClick(&pad, Qt::Key_Delete);
    EXPECT_EQ(pad.text(), "");
    QTest::keyClick(&pad, Qt::Key_8, Qt::KeypadModifier);
    EXPECT_EQ(pad.text(), "8");
}

TEST(NumberPadTest, ShowsTheCaptionAndHasKeysBigEnoughForFingers) {
    NumberPad pad(QStringLiteral("Geschwindigkeit"), QStringLiteral("2"));
    pad.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pad));
    EXPECT_TRUE(pad.isModal());
    EXPECT_EQ(pad.windowTitle(), "Geschwindigkeit");
    auto* heading = pad.findChild<QLabel*>(QStringLiteral("numberPadCaption"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), "Geschwindigkeit");
    const auto keys = pad.findChildren<QPushButton*>();
    EXPECT_EQ(keys.size(), 16); // ten digits, point, minus, backspace, clear, OK, Abbrechen
    for (const QPushButton* key : keys) {
        EXPECT_GE(key->width(), 48) << key->objectName().toStdString();
        EXPECT_GE(key->height(), 48) << key->objectName().toStdString();
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus) << key->objectName().toStdString();
    }
}

class NumberPadFieldTest : public ::testing::Test {
protected:
    QWidget window;
    QLineEdit* field = new QLineEdit(QStringLiteral("0"), &window);
    QSignalSpy changed{field, &QLineEdit::textChanged};
    QSignalSpy edited{field, &QLineEdit::textEdited};
};

TEST_F(NumberPadFieldTest, OkWritesTheEditedTextIntoTheFieldOnce) {
    ModalDriver driver([this](QWidget* box) {
        EXPECT_EQ(box->objectName(), "numberPad");
        EXPECT_EQ(box->parentWidget(), &window);
        tap(box, "12.5");
        tapButton(box, "numberPadOk");
    });
    EXPECT_TRUE(NumberPad::editField(field, QStringLiteral("Sekunden")));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(field->text(), "12.5");
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), "12.5");
    EXPECT_EQ(edited.size(), 0);
}

TEST_F(NumberPadFieldTest, AbbrechenAndEscapeLeaveTheFieldUnchanged) {
    for (const char* way : {"numberPadCancel", "Escape"}) {
        ModalDriver driver([way](QWidget* box) {
            tap(box, "7");
            if (QByteArray(way) == "Escape") {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                tapButton(box, way);
            }
        });
        EXPECT_FALSE(NumberPad::editField(field, QStringLiteral("Anzahl"))) << way;
        EXPECT_TRUE(driver.ran()) << way;
        EXPECT_EQ(field->text(), "0") << way;
        EXPECT_EQ(changed.size(), 0) << way;
    }
}

TEST_F(NumberPadFieldTest, NullOrReadOnlyFieldOpensNoPad) {
    ModalDriver driver([](QWidget* box) { box->close(); }, 200);
    EXPECT_FALSE(NumberPad::editField(nullptr, QStringLiteral("Anzahl")));
    field->setReadOnly(true);
    EXPECT_FALSE(NumberPad::editField(field, QStringLiteral("Anzahl")));
    EXPECT_FALSE(driver.ran());
    EXPECT_EQ(field->text(), "0");
}

} // namespace
} // namespace vozavero
