// Where the keyboard is: the window's buttons mark a keyboard focus as clearly as its gauges, and
// the keyboard comes back to the window below a dialog that closed.
#include "AppFixture.h"
#include "framework/MarkedButton.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

namespace vozavero {

class FocusTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

TEST_F(FocusTest, ButtonsMarkAKeyboardFocusAsClearlyAsTheGauges) {
    for (const char* name : {"but_Reset", "ctl_Button1", "but_LinearRegression(2)"}) {
        auto* button = find<QPushButton>(name);
        const QRgb highlight = button->palette().color(QPalette::Highlight).rgb();
        // A frame two pixels wide in the highlight colour, as around a focused gauge.
        const auto marked = [&] {
            const QImage image = button->grab().toImage();
            return image.pixel(button->width() / 2, 1) == highlight &&
                   image.pixel(1, button->height() / 2) == highlight;
        };
        button->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(button->hasFocus()) << name;
        EXPECT_FALSE(marked()) << name; // a click alone
        button->clearFocus();
        button->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(marked()) << name;
        button->clearFocus();
        EXPECT_FALSE(marked()) << name;
    }
    // The Tab key itself brings the mark.
    find("opt_Record")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), find("ctl_Button1"));
    EXPECT_TRUE(static_cast<MarkedButton*>(QApplication::focusWidget())->focusMarked());
}

TEST_F(FocusTest, TheKeyboardReturnsToTheWindowBelowAClosedDialog) {
    // Without a window manager no window is active after one closed, and nobody activates the
    // one below: the test closes each dialog that way.
    const auto closeAlone = [](QDialog& dialog) {
        dialog.hide();
        QApplication::setActiveWindow(nullptr);
    };
    const auto becomesActive = [](QWidget* expected) {
        return QTest::qWaitFor([expected] { return QApplication::activeWindow() == expected; });
    };
    // The options dialog, and a message box of the main window above it (its help).
    QDialog options(window.get());
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
