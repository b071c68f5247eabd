// Keyboard, assistive technology and touch through the real window. A value set by keys, by the
// accessibility value interface or by a finger must leave exactly the state the mouse leaves for
// the same value, so each case drives two identically started windows, one by mouse and one by
// the other means, and compares everything the value sets off. Where the keyboard focus is shows.
#include "AppFixture.h"
#include "framework/MarkedButton.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

namespace vozavero {

class KeyboardAccessTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
    GaugePanel* gauge(GaugeId id) const { return window->settingsPanel().gauge(id); }
    /// A mouse press on the other window's gauge where the mouse rule gives value.
    void mouseToValue(GaugeId id, double value) {
        GaugePanel* g = other.window->settingsPanel().gauge(id);
        press(g->bar(), QPointF(g->pointerPositionFor(value), g->bar()->height() / 2.0));
    }
    /// A press on the other window's syringe that makes the gas space width pixels wide.
    void mouseToWidth(double width) {
        QWidget* bild = other.window->findChild<QWidget*>("Bild");
        press(other.window->findChild<QWidget*>("frm_Kolben"),
              QPointF(bild->x() + width, bild->y() + 20.0));
    }
    void expectSameAsTheMouse() { EXPECT_EQ(stateOf(*window), stateOf(*other.window)); }

    AppFixture::Twin other;
};

TEST_F(KeyboardAccessTest, EachGaugeAndPistonKeyLeavesTheStateOfTheMouseForTheSameValue) {
    constexpr auto kPiston = static_cast<GaugeId>(-1); // the piston has no gauge
    const struct {
        GaugeId id;
        Qt::Key key;
        double expected;
    } steps[] = {
        // From the start values 5, 2 and 250 on scales 2..50, 1..30 and 50..500; the rules of
        // the keys themselves are the gauge's.
        {GaugeCount, Qt::Key_PageUp, 10}, {GaugeCount, Qt::Key_End, 50},
        {GaugeSpeed, Qt::Key_Up, 3},      {GaugeVolume, Qt::Key_PageDown, 205},
        {GaugeVolume, Qt::Key_Home, 50},  {kPiston, Qt::Key_PageDown, 50},
        {kPiston, Qt::Key_End, 500},      {kPiston, Qt::Key_Left, 499},
        {kPiston, Qt::Key_Right, 500},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.expected);
        if (s.id == kPiston) {
            QTest::keyClick(find("pic_Schieber"), s.key);
            mouseToWidth(s.expected);
            EXPECT_EQ(window->experiment().cylinderWidth(), s.expected);
        } else {
            QTest::keyClick(gauge(s.id), s.key);
            mouseToValue(s.id, s.expected);
            EXPECT_EQ(gauge(s.id)->controlValue(), s.expected);
        }
        expectSameAsTheMouse();
    }
}

TEST_F(KeyboardAccessTest, PistonKeysFromAFractionalWidthLandOnTheNextWholePixel) {
    window->experiment().setQuantity(QuantityId::Volume, 123.5, ChangeOrigin::Automatic);
    QTest::keyClick(find("pic_Schieber"), Qt::Key_Right);
    EXPECT_EQ(window->experiment().cylinderWidth(), 124);
    EXPECT_EQ(find("pic_Schieber")->x(), find("Bild")->x() + 124);
    QTest::keyClick(find("pic_Schieber"), Qt::Key_A);
    EXPECT_EQ(window->experiment().cylinderWidth(), 124);
}

TEST_F(KeyboardAccessTest, ValueInterfaceDescribesInGermanAndSetsLikeTheMouse) {
    const struct {
        const char* name;
        QAccessible::Role role;
        const char* description;
        double min, max;
    } expected[] = {
        {"Panel3D1(0)", QAccessible::Slider, "Teilchenzahl (Stoffmenge), 5, von 2 bis 50", 2, 50},
        {"Panel3D1(1)", QAccessible::Slider, "Geschwindigkeit (Temperatur), 2, von 1 bis 30", 1,
         30},
        {"Panel3D1(2)", QAccessible::ProgressBar, "Stöße auf Kolben (Druck), 0, von 0 bis 300", 0,
         300},
        {"Panel3D1(3)", QAccessible::Slider, "Fläche (Volumen), 250, von 50 bis 500", 50, 500},
        {"pic_Schieber", QAccessible::Slider, "Schieber (Fläche), 250, von 50 bis 500", 50, 500},
    };
    const auto valueOf = [this](const char* name) {
        return QAccessible::queryAccessibleInterface(find(name))->valueInterface();
    };
    for (const auto& e : expected) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(find(e.name));
        ASSERT_NE(iface, nullptr) << e.name;
        EXPECT_EQ(iface->role(), e.role) << e.name;
        EXPECT_EQ(iface->text(QAccessible::Description), QString::fromUtf8(e.description));
        ASSERT_NE(iface->valueInterface(), nullptr) << e.name;
        EXPECT_EQ(valueOf(e.name)->minimumValue().toDouble(), e.min) << e.name;
        EXPECT_EQ(valueOf(e.name)->maximumValue().toDouble(), e.max) << e.name;
    }
    valueOf("Panel3D1(0)")->setCurrentValue(26.4); // rounded as the mouse mapping rounds
    mouseToValue(GaugeCount, 26);
    valueOf("Panel3D1(3)")->setCurrentValue(51);
    mouseToValue(GaugeVolume, 51);
    valueOf("Panel3D1(1)")->setCurrentValue(99); // past the end: the maximum
    mouseToValue(GaugeSpeed, 30);
    expectSameAsTheMouse();
    EXPECT_EQ(valueOf("Panel3D1(0)")->currentValue().toDouble(), 26);
    valueOf("pic_Schieber")->setCurrentValue(300.5); // the syringe rule: halves to even
    EXPECT_EQ(window->experiment().cylinderWidth(), 300);
    EXPECT_EQ(valueOf("Panel3D1(3)")->currentValue().toDouble(), 300);
    // The impact gauge is a read-out: nothing sets it, not even the reference mark.
    valueOf("Panel3D1(2)")->setCurrentValue(50);
    EXPECT_FALSE(gauge(GaugeImpacts)->pressureMark()->isVisibleTo(window.get()));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(gauge(GaugeImpacts))->state().readOnly);

    // Every visible control is named; three gauges and the piston are sliders.
    QStringList unnamed;
    int sliders = 0;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* iface) {
        if (iface == nullptr || iface->state().invisible) {
            return;
        }
        const QAccessible::Role role = iface->role();
        if (role != QAccessible::Client && role != QAccessible::LayeredPane &&
            role != QAccessible::Grouping && iface->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << (iface->object() ? iface->object()->objectName() : QString());
        }
        sliders += role == QAccessible::Slider ? 1 : 0;
        for (int i = 0; i < iface->childCount(); ++i) {
            walk(iface->child(i));
        }
    };
    walk(QAccessible::queryAccessibleInterface(window.get()));
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u' ').toStdString();
    EXPECT_EQ(sliders, 4);
}

TEST_F(KeyboardAccessTest, LiveReadOutsAreToldOncePerMeasuringInterval) {
    QWidget* current = find("ANZ(0)");
    QWidget* perSecond = find("ANZ(2)");
    window->experiment().setMeasuringInterval(1);
    window->timers().loop()->start();
    for (int i = 0; i < 20; ++i) { // 20 frames, with impacts counted in between
        ExperimentProbe::setImpactCount(window->experiment(), i);
        advance(SimulationLoop::kTickMs / 1000.0);
    }
    ASSERT_NE(text("ANZ(0)"), "0");
    EXPECT_EQ(current->accessibleName(), "Aktuelle Aufprallwerte: 0"); // not told per frame
    EXPECT_EQ(perSecond->accessibleName(), "Stöße pro Sekunde: 0");
    ExperimentProbe::setImpactCount(window->experiment(), 33);
    window->timers().measuringTick();
    EXPECT_EQ(current->accessibleName(), "Aktuelle Aufprallwerte: 33");
    EXPECT_EQ(text("ANZ(0)"), "33");
    EXPECT_EQ(perSecond->accessibleName(), "Stöße pro Sekunde: " + text("ANZ(2)"));
    EXPECT_EQ(find("ANZ(4)")->accessibleName(), "Letzte Aufprallwerte: 33");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(gauge(GaugeImpacts))
                  ->valueInterface()
                  ->currentValue()
                  .toDouble(),
              33);
}

TEST_F(KeyboardAccessTest, FingerDragsKeepFractionsForTheRulesToRound) {
    QWidget* bild = find("Bild");
    touchAlong(bild, {{0.5, 40.0}}); // nothing left of x = 1
    EXPECT_EQ(window->experiment().cylinderWidth(), 250);
    touchAlong(bild, {{20.0, 40.0}, {123.25, 40.0}});
    EXPECT_EQ(window->experiment().cylinderWidth(), 123);
    touchAlong(bild, {{122.5, 40.0}}); // halves to the even pixel
    EXPECT_EQ(window->experiment().cylinderWidth(), 122);
    touchAlong(bild, {{123.25, 40.0}});
    press(other.window->findChild<QWidget*>("Bild"), {20.0, 40.0});
    press(other.window->findChild<QWidget*>("Bild"), {123.25, 40.0});
    expectSameAsTheMouse();

    touchAlong(find("frm_Kolben"), {{bild->x() + 301.5, 60.0}});
    EXPECT_EQ(window->experiment().cylinderWidth(), 302);
}

TEST_F(KeyboardAccessTest, TabVisitsTheControlsInOrderAndOnlyTheKeyboardMarksAButton) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    find("pic_Schieber")->setFocus();
    QStringList visited;
    for (int i = 0; i < 11; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited,
              QStringList({"pic_Schieber", "but_Reset", "opt_Automatic", "opt_Record",
                           "ctl_Button1", "ANZ(1)", "Panel3D1(0)", "Panel3D1(3)", "Panel3D1(1)",
                           "qt_tabwidget_tabbar", "but_LinearRegression(2)"}));
    // The arrow keys on the tab bar switch the series as a click on a page does.
    QTest::keyClick(find("qt_tabwidget_tabbar"), Qt::Key_Right);
    EXPECT_EQ(find<QTabWidget>("tab_View")->currentIndex(), 1);

    for (const char* name : {"but_Reset", "ctl_Button1", "but_LinearRegression(1)"}) {
        auto* button = find<QPushButton>(name);
        const QRgb highlight = button->palette().color(QPalette::Highlight).rgb();
        // A frame two pixels wide in the highlight colour, as around a focused gauge.
        const auto marked = [&] {
            const QImage image = button->grab().toImage();
            return image.pixel(button->width() / 2, 1) == highlight &&
                   image.pixel(1, button->height() / 2) == highlight;
        };
        button->setFocus(Qt::MouseFocusReason);
        EXPECT_FALSE(marked()) << name;
        button->clearFocus();
        button->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(marked()) << name;
        button->clearFocus();
        EXPECT_FALSE(marked()) << name;
    }
}

TEST_F(KeyboardAccessTest, TheKeyboardReturnsToTheWindowBelowAClosedDialog) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // Without a window manager no window is active after one closed, and nobody activates the one
    // below: the test closes each dialog that way.
    const auto closeAlone = [](QDialog& dialog) {
        dialog.hide();
        QApplication::setActiveWindow(nullptr);
    };
    const auto becomesActive = [](QWidget* expected) {
        return QTest::qWaitFor([expected] { return QApplication::activeWindow() == expected; });
    };
    QDialog options(window.get()); // and a message box of the window above it
    QDialog help(window.get());
    for (QDialog* dialog : {&options, &help}) {
        dialog->setModal(true);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }
    closeAlone(help);
    EXPECT_TRUE(becomesActive(&options)); // not the main window, which the dialog blocks
    closeAlone(options);
    EXPECT_TRUE(becomesActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget()->window(), window.get());
}

} // namespace vozavero
