// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Keyboard, assistive technology and touch through the real window: a value set by keys, by the
// value interface or by a finger must leave exactly the state the mouse leaves for the same value,
// so each case drives a twin window by mouse and compares. The way back from closed dialogs.
#include "AppFixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QDialog>
#include <QPushButton>

namespace vozavero {

class KeyboardAccessTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
    QAccessibleValueInterface* valueOf(const char* name) const {
        return QAccessible::queryAccessibleInterface(find(name))->valueInterface();
    }
    void mouseToValue(GaugeId id, double value) {
        GaugePanel* g = other.window->settingsPanel().gauge(id);
        press(g->bar(), QPointF(g->pointerPositionFor(value), g->bar()->height() / 2.0));
    }
    void mouseToWidth(double width) {
        QWidget* bild = other.window->findChild<QWidget*>("Bild");
        press(other.window->findChild<QWidget*>("frm_Kolben"),
              QPointF(bild->x() + width, bild->y() + 20.0));
    }
    void expectSameAsTheMouse() { EXPECT_EQ(stateOf(*window), stateOf(*other.window)); }

    AppFixture::Twin other;
};

TEST_F(KeyboardAccessTest, KeysTheValueInterfaceAndFingersLeaveTheStateOfTheMouse) {
    constexpr auto kPiston = static_cast<GaugeId>(-1);
    const struct {
        GaugeId id;
        Qt::Key key;
        double expected;
        const char* readout;
    } steps[] = {
        // From the start values 5, 2 and 250; the gauges' key rules are the gauge's own test.
        {GaugeCount, Qt::Key_PageUp, 10, "AnzT(1)"},     {GaugeSpeed, Qt::Key_Up, 3, "AnzT(2)"},
        {GaugeVolume, Qt::Key_PageDown, 205, "AnzT(3)"}, {GaugeVolume, Qt::Key_Home, 50, "AnzT(3)"},
        {kPiston, Qt::Key_PageDown, 50, "AnzT(3)"},      {kPiston, Qt::Key_End, 500, "AnzT(3)"},
        {kPiston, Qt::Key_Left, 499, "AnzT(3)"},         {kPiston, Qt::Key_Right, 500, "AnzT(3)"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.expected);
        QTest::keyClick(
            s.id == kPiston ? find("pic_Schieber") : window->settingsPanel().gauge(s.id), s.key);
        s.id == kPiston ? mouseToWidth(s.expected) : mouseToValue(s.id, s.expected);
        EXPECT_EQ(text(s.readout), QString::number(s.expected));
        expectSameAsTheMouse();
    }
    valueOf("Panel3D1(0)")->setCurrentValue(26.4); // rounded as the mouse mapping rounds
    mouseToValue(GaugeCount, 26);
    valueOf("Panel3D1(3)")->setCurrentValue(51);
    mouseToValue(GaugeVolume, 51);
    valueOf("Panel3D1(1)")->setCurrentValue(99); // past the end: the maximum
    mouseToValue(GaugeSpeed, 30);
    expectSameAsTheMouse();
    EXPECT_EQ(valueOf("Panel3D1(0)")->currentValue().toDouble(), 26);

    QWidget* bild = find("Bild");
    touchAlong(bild, {{0.5, 40.0}}); // nothing left of x = 1
    EXPECT_EQ(window->experiment().cylinderWidth(), 51);
    touchAlong(bild, {{20.0, 40.0}, {122.5, 40.0}}); // halves to the even pixel
    EXPECT_EQ(window->experiment().cylinderWidth(), 122);
    touchAlong(bild, {{123.25, 40.0}});
    press(other.window->findChild<QWidget*>("Bild"), {20.0, 40.0});
    press(other.window->findChild<QWidget*>("Bild"), {123.25, 40.0});
    expectSameAsTheMouse();

    touchAlong(find("frm_Kolben"), {{bild->x() + 301.5, 60.0}});
    EXPECT_EQ(window->experiment().cylinderWidth(), 302);
    valueOf("pic_Schieber")->setCurrentValue(300.5); // the syringe rule: halves to even
    EXPECT_EQ(valueOf("Panel3D1(3)")->currentValue().toDouble(), 300);
    valueOf("Panel3D1(2)")->setCurrentValue(50); // a read-out: nothing sets it, nor the mark
    EXPECT_FALSE(
        window->settingsPanel().gauge(GaugeImpacts)->pressureMark()->isVisibleTo(window.get()));
    window->experiment().setQuantity(QuantityId::Volume, 123.5, ChangeOrigin::Automatic);
    QTest::keyClick(find("pic_Schieber"), Qt::Key_Right); // to the next whole pixel
    EXPECT_EQ(window->experiment().cylinderWidth(), 124);
}

TEST_F(KeyboardAccessTest, ButtonsMarkTheKeyboardFocusButNotAClick) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const char* name : {"but_Reset", "ctl_Button1", "but_LinearRegression(2)"}) {
        auto* button = find<QPushButton>(name);
        const QRgb highlight = button->palette().color(QPalette::Highlight).rgb();
        const auto marked = [&] { // a frame two pixels wide, as around a focused gauge
            const QImage image = button->grab().toImage();
            return image.pixel(button->width() / 2, 1) == highlight &&
                   image.pixel(1, button->height() / 2) == highlight;
        };
        button->setFocus(Qt::MouseFocusReason);
        EXPECT_FALSE(marked()) << name;
        button->clearFocus();
        button->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(marked()) << name;
    }
}

TEST_F(KeyboardAccessTest, TheKeyboardReturnsToTheWindowBelowAClosedDialog) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    // Closed as without a window manager: nobody activates the window below.
    QDialog options(window.get());
    QDialog help(window.get());
    for (QDialog* dialog : {&options, &help}) {
        dialog->setModal(true);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }
    for (QDialog* dialog : {&help, &options}) {
        QWidget* below = dialog == &help ? static_cast<QWidget*>(&options) : window.get();
        dialog->hide();
        QApplication::setActiveWindow(nullptr);
        EXPECT_TRUE(QTest::qWaitFor([below] { return QApplication::activeWindow() == below; }));
    }
    EXPECT_EQ(QApplication::focusWidget()->window(), window.get());
}

} // namespace vozavero
