// Keyboard, assistive technology and touch through the real window. A value set by keys, by the
// accessibility value interface or by a finger must leave exactly the state the mouse leaves for
// the same value, so each case drives two identically started windows, one by mouse and one by
// the other means, and compares everything the value sets off.
#include "AppFixture.h"
#include "SimulationLoop.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QtGui/qtestsupport_gui.h>

namespace vozavero {

namespace {

/// Everything a change of count, speed or volume reaches, as comparable numbers and texts.
struct State {
    double count, speed, width;
    float piston;
    EngineCopy copy;
    QString readouts;
    int pistonLeft;
    std::vector<std::tuple<float, float, int>> particles;

    static State of(MainWindow& w) {
        State s{};
        s.count = w.experiment().settings().particleCount;
        s.speed = w.experiment().settings().speed;
        s.width = w.experiment().cylinderWidth();
        s.piston = w.experiment().settings().pistonPosition;
        s.copy = w.experiment().engine().engineCopy();
        for (const char* name : {"AnzT(1)", "AnzT(2)", "AnzT(3)"}) {
            s.readouts += w.findChild<QLabel*>(name)->text() + QLatin1Char('|');
        }
        s.pistonLeft = w.findChild<QWidget*>("pic_Schieber")->x();
        for (const Particle& p : w.experiment().engine().particles()) {
            s.particles.emplace_back(p.x, p.y, p.direction);
        }
        return s;
    }
};

void expectSameState(const State& a, const State& b) {
    EXPECT_EQ(a.count, b.count);
    EXPECT_EQ(a.speed, b.speed);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.piston, b.piston);
    EXPECT_EQ(a.copy.particleCount, b.copy.particleCount);
    EXPECT_EQ(a.copy.speed, b.copy.speed);
    EXPECT_EQ(a.copy.pistonPosition, b.copy.pistonPosition);
    EXPECT_EQ(a.readouts.toStdString(), b.readouts.toStdString());
    EXPECT_EQ(a.pistonLeft, b.pistonLeft);
    EXPECT_EQ(a.particles, b.particles);
}

/// A press of the left button at a fractional position, as a precise pointer delivers it.
void pressAt(QWidget* w, QPointF at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

/// A finger put down at the fractional points of w in turn and lifted at the last one.
void touchAlong(QWidget* w, std::initializer_list<QPointF> path) {
    static QPointingDevice* screen = QTest::createTouchDevice();
    QWindow* window = w->window()->windowHandle();
    QEventPoint::State state = QEventPoint::State::Pressed;
    QPointF last;
    for (const QPointF& at : path) {
        last = w->mapToGlobal(at);
        qt_handleTouchEvent(window, screen, {QEventPoint(1, state, {}, last)});
        QCoreApplication::processEvents();
        state = QEventPoint::State::Updated;
    }
    qt_handleTouchEvent(window, screen, {QEventPoint(1, QEventPoint::State::Released, {}, last)});
    QCoreApplication::processEvents();
}

} // namespace

class KeyboardAccessTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        other = std::make_unique<AppFixture::Twin>();
    }
    GaugePanel* gauge(MainWindow& w, GaugeId id) { return w.settingsPanel().gauge(id); }
    QWidget* piston(MainWindow& w) { return w.findChild<QWidget*>("pic_Schieber"); }
    QWidget* syringe(MainWindow& w) { return w.findChild<QWidget*>("frm_Kolben"); }
    QWidget* bild(MainWindow& w) { return w.findChild<QWidget*>("Bild"); }
    /// A mouse press on the bar of the other window's gauge where the mouse rule gives value.
    void mouseToValue(GaugeId id, double value) {
        GaugePanel* g = other->window->settingsPanel().gauge(id);
        pressAt(g->bar(), QPointF(g->pointerPositionFor(value), g->bar()->height() / 2.0));
    }
    /// The piston of the other window dragged so that the gas space is width pixels wide.
    void mouseToWidth(double width) {
        MainWindow& w = *other->window;
        pressAt(syringe(w), QPointF(bild(w)->x() + width, bild(w)->y() + 20.0));
    }

    /// A second window started exactly like the first, for the mouse side of a comparison.
    std::unique_ptr<AppFixture::Twin> other;
};

TEST_F(KeyboardAccessTest, EachGaugeKeyLeavesTheStateOfAMousePressForTheSameValue) {
    struct Step {
        GaugeId id;
        Qt::Key key;
        double expected;
    };
    // From the start values 5, 2 and 250 on scales 2..50, 1..30 and 50..500.
    const Step steps[] = {
        {GaugeCount, Qt::Key_Right, 6},   {GaugeCount, Qt::Key_PageUp, 11},
        {GaugeCount, Qt::Key_End, 50},    {GaugeCount, Qt::Key_Home, 2},
        {GaugeCount, Qt::Key_Left, 2},    {GaugeSpeed, Qt::Key_Up, 3},
        {GaugeSpeed, Qt::Key_PageUp, 6},  {GaugeSpeed, Qt::Key_Home, 1},
        {GaugeVolume, Qt::Key_Left, 249}, {GaugeVolume, Qt::Key_PageDown, 204},
        {GaugeVolume, Qt::Key_Home, 50},  {GaugeVolume, Qt::Key_Down, 50},
        {GaugeVolume, Qt::Key_End, 500},  {GaugeVolume, Qt::Key_PageUp, 500},
    };
    for (const Step& s : steps) {
        QTest::keyClick(window->settingsPanel().gauge(s.id), s.key);
        mouseToValue(s.id, s.expected);
        expectSameState(State::of(*window), State::of(*other->window));
        EXPECT_EQ(window->settingsPanel().gauge(s.id)->controlValue(), s.expected) << s.key;
    }
    // The bar stands where the mouse put it, not redrawn from the value.
    EXPECT_EQ(window->settingsPanel().gauge(GaugeVolume)->barWidth(),
              window->settingsPanel().gauge(GaugeVolume)->usableLength());
}

TEST_F(KeyboardAccessTest, KeysOnAFractionalSettingLandOnTheNextWholeValue) {
    // As an automatic step by 0.5 leaves it.
    window->experiment().setQuantity(QuantityId::Count, 7.5, ChangeOrigin::Automatic);
    QTest::keyClick(window->settingsPanel().gauge(GaugeCount), Qt::Key_Right);
    EXPECT_EQ(window->experiment().settings().particleCount, 8);
    window->experiment().setQuantity(QuantityId::Count, 7.5, ChangeOrigin::Automatic);
    QTest::keyClick(window->settingsPanel().gauge(GaugeCount), Qt::Key_Left);
    EXPECT_EQ(window->experiment().settings().particleCount, 7);
    // Keys with Ctrl belong to the menus, and other keys change nothing.
    QTest::keyClick(window->settingsPanel().gauge(GaugeCount), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(window->settingsPanel().gauge(GaugeCount), Qt::Key_A);
    EXPECT_EQ(window->experiment().settings().particleCount, 7);
}

TEST_F(KeyboardAccessTest, PistonKeysFollowTheRuleOfDraggingThePiston) {
    struct Step {
        Qt::Key key;
        double expected;
    };
    const Step steps[] = {{Qt::Key_Right, 251}, {Qt::Key_PageDown, 206}, {Qt::Key_Home, 50},
                          {Qt::Key_Left, 50},   {Qt::Key_End, 500},      {Qt::Key_Up, 500}};
    for (const Step& s : steps) {
        QTest::keyClick(piston(*window), s.key);
        mouseToWidth(s.expected);
        EXPECT_EQ(window->experiment().cylinderWidth(), s.expected) << s.key;
        expectSameState(State::of(*window), State::of(*other->window));
    }
    // From a width an automatic step left fractional, a step lands on the next whole pixel.
    window->experiment().setQuantity(QuantityId::Volume, 123.5, ChangeOrigin::Automatic);
    ASSERT_FLOAT_EQ(window->experiment().settings().pistonPosition, 123.5f);
    QTest::keyClick(piston(*window), Qt::Key_Right);
    EXPECT_EQ(window->experiment().cylinderWidth(), 124);
    EXPECT_EQ(piston(*window)->x(), bild(*window)->x() + 124);
}

TEST_F(KeyboardAccessTest, ValueInterfaceReadsAndSetsLikeTheMouse) {
    struct Expect {
        const char* name;
        QAccessible::Role role;
        const char* description;
        double min, max;
    };
    const Expect expected[] = {
        {"Panel3D1(0)", QAccessible::Slider, "Teilchenzahl (Stoffmenge), 5, von 2 bis 50", 2, 50},
        {"Panel3D1(1)", QAccessible::Slider, "Geschwindigkeit (Temperatur), 2, von 1 bis 30", 1,
         30},
        {"Panel3D1(2)", QAccessible::ProgressBar, "Stöße auf Kolben (Druck), 0, von 0 bis 300", 0,
         300},
        {"Panel3D1(3)", QAccessible::Slider, "Fläche (Volumen), 250, von 50 bis 500", 50, 500},
        {"pic_Schieber", QAccessible::Slider, "Schieber (Fläche), 250, von 50 bis 500", 50, 500},
    };
    for (const Expect& e : expected) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(find(e.name));
        ASSERT_NE(iface, nullptr) << e.name;
        EXPECT_EQ(iface->role(), e.role) << e.name;
        EXPECT_EQ(iface->text(QAccessible::Description), QString::fromUtf8(e.description));
        QAccessibleValueInterface* value = iface->valueInterface();
        ASSERT_NE(value, nullptr) << e.name;
        EXPECT_EQ(value->minimumValue().toDouble(), e.min) << e.name;
        EXPECT_EQ(value->maximumValue().toDouble(), e.max) << e.name;
    }

    const auto valueOf = [this](const char* name) {
        return QAccessible::queryAccessibleInterface(find(name))->valueInterface();
    };
    valueOf("Panel3D1(0)")->setCurrentValue(26.4); // rounded as the mouse mapping rounds
    mouseToValue(GaugeCount, 26);
    valueOf("Panel3D1(3)")->setCurrentValue(51);
    mouseToValue(GaugeVolume, 51);
    valueOf("Panel3D1(1)")->setCurrentValue(99); // past the end: the maximum
    mouseToValue(GaugeSpeed, 30);
    expectSameState(State::of(*window), State::of(*other->window));
    EXPECT_EQ(valueOf("Panel3D1(0)")->currentValue().toDouble(), 26);

    valueOf("pic_Schieber")->setCurrentValue(300.5); // the syringe rule: halves to even
    EXPECT_EQ(window->experiment().cylinderWidth(), 300);
    EXPECT_EQ(valueOf("Panel3D1(3)")->currentValue().toDouble(), 300);

    // The impact gauge is a read-out: nothing sets it, not even the reference mark.
    valueOf("Panel3D1(2)")->setCurrentValue(50);
    EXPECT_FALSE(
        window->settingsPanel().gauge(GaugeImpacts)->pressureMark()->isVisibleTo(window.get()));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(window->settingsPanel().gauge(GaugeImpacts))
                    ->state()
                    .readOnly);
}

TEST_F(KeyboardAccessTest, EveryVisibleControlHasAGermanName) {
    std::vector<QString> unnamed;
    int sliders = 0;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* iface) {
        if (iface == nullptr || iface->state().invisible) {
            return;
        }
        const QAccessible::Role role = iface->role();
        const bool container = role == QAccessible::Client || role == QAccessible::LayeredPane ||
                               role == QAccessible::Grouping;
        if (!container && iface->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed.push_back(iface->object() ? iface->object()->objectName() : QString());
        }
        sliders += role == QAccessible::Slider ? 1 : 0;
        for (int i = 0; i < iface->childCount(); ++i) {
            walk(iface->child(i));
        }
    };
    walk(QAccessible::queryAccessibleInterface(window.get()));
    EXPECT_TRUE(unnamed.empty()) << unnamed.front().toStdString();
    EXPECT_EQ(sliders, 4); // three gauges and the piston
    EXPECT_EQ(QAccessible::queryAccessibleInterface(find("ANZ(1)"))->text(QAccessible::Name),
              "Intervall: 5 Sek.");
}

TEST_F(KeyboardAccessTest, TabVisitsTheControlsFromTopToBottom) {
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
}

TEST_F(KeyboardAccessTest, IntervalReadOutOpensItsMenuFromTheKeyboard) {
    QWidget* interval = find("ANZ(1)");
    QMenu* menu = find<QMenu>("mnu_OptionsInterval");
    QTest::keyClick(interval, Qt::Key_Space);
    EXPECT_TRUE(menu->isVisible());
    QAction* twoSeconds = find<QMenu>("mnu_OptionsInterval")->actions().at(1);
    twoSeconds->trigger();
    menu->hide();
    EXPECT_EQ(window->experiment().settings().measuringInterval, 2);
    EXPECT_EQ(interval->accessibleName(), "Intervall: 2 Sek.");
}

TEST_F(KeyboardAccessTest, LiveReadOutsAreToldOncePerMeasuringInterval) {
    QWidget* current = find("ANZ(0)");
    QWidget* perSecond = find("ANZ(2)");
    window->experiment().setMeasuringInterval(1);
    window->timers().loop()->start();
    for (int i = 0; i < 20; ++i) { // two seconds of frames, with impacts counted in between
        ExperimentProbe::setImpactCount(window->experiment(), i);
        clock.now += SimulationLoop::kTickMs / 1000.0;
        window->timers().loop()->runTick();
    }
    ASSERT_NE(text("ANZ(0)"), "0");
    EXPECT_EQ(current->accessibleName(), "Aktuelle Aufprallwerte: 0"); // not told per frame
    EXPECT_EQ(perSecond->accessibleName(), "Stöße pro Sekunde: 0");
    ExperimentProbe::setImpactCount(window->experiment(), 33);
    window->timers()
        .measuringTick(); // the interval closes, after a last frame with the final count
    EXPECT_EQ(current->accessibleName(), "Aktuelle Aufprallwerte: " + text("ANZ(0)"));
    EXPECT_EQ(current->accessibleName(), "Aktuelle Aufprallwerte: 33");
    EXPECT_EQ(perSecond->accessibleName(), "Stöße pro Sekunde: " + text("ANZ(2)"));
    EXPECT_EQ(find("ANZ(4)")->accessibleName(), "Letzte Aufprallwerte: 33");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->settingsPanel().gauge(GaugeImpacts))
                  ->valueInterface()
                  ->currentValue()
                  .toDouble(),
              33);
}

TEST_F(KeyboardAccessTest, FingerDragsKeepFractionsForTheRulesToRound) {
    // Interior rule: whole pixels, halves to the even one, and nothing left of x = 1.
    touchAlong(bild(*window), {{0.5, 40.0}});
    EXPECT_EQ(window->experiment().cylinderWidth(), 250);
    touchAlong(bild(*window), {{20.0, 40.0}, {123.25, 40.0}});
    EXPECT_EQ(window->experiment().cylinderWidth(), 123);
    touchAlong(bild(*window), {{122.5, 40.0}});
    EXPECT_EQ(window->experiment().cylinderWidth(), 122);
    touchAlong(bild(*window), {{123.25, 40.0}});
    pressAt(bild(*other->window), {20.0, 40.0});
    pressAt(bild(*other->window), {123.25, 40.0});
    expectSameState(State::of(*window), State::of(*other->window));

    // Syringe rule: halves to the even pixel.
    const double left = bild(*window)->x();
    touchAlong(syringe(*window), {{left + 300.5, 60.0}});
    EXPECT_EQ(window->experiment().cylinderWidth(), 300);
    touchAlong(syringe(*window), {{left + 301.5, 60.0}});
    EXPECT_EQ(window->experiment().cylinderWidth(), 302);

    // A finger on a gauge's bar sets the fractional width a precise pointer would.
    GaugePanel* count = window->settingsPanel().gauge(GaugeCount);
    touchAlong(count->box(), {{count->bar()->x() + 60.25, 10.0}});
    EXPECT_EQ(count->barWidth(), 60.25);
    pressAt(other->window->settingsPanel().gauge(GaugeCount)->box(),
            {count->bar()->x() + 60.25, 10.0});
    EXPECT_EQ(window->experiment().settings().particleCount,
              other->window->experiment().settings().particleCount);
}

} // namespace vozavero
