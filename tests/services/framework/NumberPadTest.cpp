// The on-screen number pad: editing by its keys and by the keyboard, and where it opens.
#include "framework/NumberPad.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

/// Clicks the pad keys named by keys one after another ("<" is backspace, "C" clear).
void tap(QWidget* pad, const QString& keys) {
    static const QHash<QChar, QString> keyNames = {{u'.', QStringLiteral("numberPadPoint")},
                                                   {u'-', QStringLiteral("numberPadMinus")},
                                                   {u'<', QStringLiteral("numberPadBackspace")},
                                                   {u'C', QStringLiteral("numberPadClear")}};
    for (const QChar key : keys) {
        const QString name = keyNames.value(key, QStringLiteral("numberPadKey%1").arg(key));
        auto* button = pad->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

TEST(NumberPad, ClickedKeysEditTheText) {
    // The marked start text is replaced by the first digit or point and kept without a key; one
    // decimal point only; a lone zero gives way to the next digit; minus toggles the sign, also
    // of the start text; backspace removes the last character and clear empties the text.
    const struct {
        const char* start;
        const char* keys;
        const char* result;
    } cases[] = {{"250", "34", "34"},  {"12abc", "7", "7"},    {"3", ".", "0."},
                 {"3", "", "3"},       {"0", "1.5.2", "1.52"}, {"0", "C-.5", "-0.5"},
                 {"9", "05", "5"},     {"9", "0.05", "0.05"},  {"5", "--", "5"},
                 {"12", "-3", "-123"}, {"1", "C-3", "-3"},     {"+5", "-", "-5"},
                 {"250", "<<<<", ""},  {"-1.5", "<<", "-1"},   {"250", "C7", "7"}};
    for (const auto& c : cases) {
        NumberPad pad(QStringLiteral("Anzahl"), QString::fromUtf8(c.start));
        pad.show();
        tap(&pad, QString::fromUtf8(c.keys));
        EXPECT_EQ(pad.text(), QString::fromUtf8(c.result)) << c.start << " + " << c.keys;
    }

    NumberPad limited(QStringLiteral("Anzahl"), QStringLiteral("0"));
    limited.setMaxLength(3);
    limited.show();
    tap(&limited, QStringLiteral("1234-"));
    EXPECT_EQ(limited.text(), "123");
}

TEST(NumberPad, KeyboardTypesDigitsCommaMinusAndDeletes) {
    NumberPad pad(QStringLiteral("Sekunden"), QStringLiteral("5"));
    pad.show();
    QTest::keyClicks(&pad, QStringLiteral("3,5"));
    EXPECT_EQ(pad.text(), "3.5");
    QTest::keyClick(&pad, Qt::Key_Minus);
    QTest::keyClick(&pad, Qt::Key_Backspace);
    EXPECT_EQ(pad.text(), "-3.");
    QTest::keyClicks(&pad, QStringLiteral("x."));
    EXPECT_EQ(pad.text(), "-3.");
    QTest::keyClick(&pad, Qt::Key_Delete);
    QTest::keyClick(&pad, Qt::Key_8, Qt::KeypadModifier);
    EXPECT_EQ(pad.text(), "8");
}

TEST(NumberPad, KeysAreBigEnoughForFingers) {
    NumberPad pad(QStringLiteral("Geschwindigkeit"), QStringLiteral("2"));
    pad.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pad));
    const auto keys = pad.findChildren<QPushButton*>();
    EXPECT_EQ(keys.size(), 16); // ten digits, point, minus, backspace, clear, OK, Abbrechen
    for (const QPushButton* key : keys) {
        EXPECT_GE(std::min(key->width(), key->height()), 48) << key->objectName().toStdString();
    }
}

TEST(NumberPad, OpensBesideTheWindowOfItsFieldNotOverIt) {
    const QSize pad(364, 392);
    const QRect screen(0, 0, 1280, 800);
    const auto covers = [&pad](QPoint at, const QRect& window) {
        return QRect(at, pad).intersects(window);
    };
    // Centred dialog with room on the right: right of it, tops level.
    const QRect dialog(450, 225, 381, 350);
    const QPoint right = NumberPad::besideWindow(dialog, pad, screen);
    EXPECT_FALSE(covers(right, dialog));
    EXPECT_GT(right.x(), dialog.right());
    EXPECT_EQ(right.y(), dialog.y());
    // No room on the right: left of it.
    const QRect atRight(880, 300, 381, 350);
    const QPoint left = NumberPad::besideWindow(atRight, pad, screen);
    EXPECT_FALSE(covers(left, atRight));
    EXPECT_LT(left.x() + pad.width(), atRight.x());
    // A window low on the screen lifts the pad so that it stays on the screen.
    const QPoint lifted = NumberPad::besideWindow(QRect(450, 600, 381, 150), pad, screen);
    EXPECT_LE(lifted.y() + pad.height(), screen.bottom() + 1);
    // A screen too narrow for both: at the edge with more room, still on the screen.
    const QRect small(0, 0, 800, 600);
    const QPoint squeezed = NumberPad::besideWindow(QRect(300, 100, 381, 350), pad, small);
    EXPECT_GE(squeezed.x(), 0);
    EXPECT_LE(squeezed.x() + pad.width(), small.right() + 1);
}

TEST(NumberPad, EditFieldPlacesThePadBesideTheFieldsDialog) {
    QDialog dialog;
    dialog.setGeometry(10, 40, 381, 350); // room on the right of the 800 px test screen
    auto* field = new QLineEdit(QStringLiteral("5"), &dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QRect padFrame;
    QTimer::singleShot(0, &dialog, [&padFrame] {
        auto* pad = qobject_cast<NumberPad*>(QApplication::activeModalWidget());
        ASSERT_NE(pad, nullptr);
        padFrame = pad->frameGeometry();
        tap(pad, QStringLiteral("7"));
        pad->accept();
    });
    EXPECT_TRUE(NumberPad::editField(field, QStringLiteral("Anzahl")));
    EXPECT_EQ(field->text(), "7");
    EXPECT_FALSE(padFrame.intersects(dialog.frameGeometry()))
        << padFrame.x() << ',' << padFrame.y() << " dialog " << dialog.x();
}

} // namespace
} // namespace vozavero
