// Tests of the syringe and piston pictures: size and painting, and which mouse events become
// pointer positions, also when the cylinder view sits inside the syringe picture.
#include "PictureBox.h"
#include "CylinderView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

QPixmap piston() {
    QImage image(130, 150, QImage::Format_RGB32);
    image.fill(qRgb(128, 128, 128));
    QPainter painter(&image);
    painter.fillRect(100, 20, 10, 110, qRgb(40, 40, 40));
    return QPixmap::fromImage(image);
}

void sendMove(QWidget& widget, QPointF position, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

TEST(PictureBox, PaintsItsPicture) {
    PictureBox box(piston());
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(box.grab().toImage().convertToFormat(QImage::Format_RGB32),
              piston().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST(PictureBox, PressAndDragWithAButtonReportThePointer) {
    PictureBox box(piston());
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &PictureBox::pointer);

    sendMove(box, QPointF(10.0, 10.0), Qt::NoButton);
    EXPECT_EQ(spy.count(), 0);

    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(12, 70));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_DOUBLE_EQ(spy.at(0).at(0).toDouble(), 12.0);
    EXPECT_DOUBLE_EQ(spy.at(0).at(1).toDouble(), 70.0);

    sendMove(box, QPointF(-20.25, 71.0), Qt::LeftButton); // left of the picture while dragging
    ASSERT_EQ(spy.count(), 2);
    EXPECT_DOUBLE_EQ(spy.at(1).at(0).toDouble(), -20.25);
    EXPECT_DOUBLE_EQ(spy.at(1).at(1).toDouble(), 71.0);
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(12, 70));

    box.setMouseTracking(true); // moves without a button now reach the box, and must not count
    sendMove(box, QPointF(30.0, 30.0), Qt::NoButton);
    EXPECT_EQ(spy.count(), 2);

    QTest::mousePress(&box, Qt::MiddleButton, Qt::NoModifier, QPoint(1, 2));
    sendMove(box, QPointF(3.0, 4.0), Qt::MiddleButton);
    EXPECT_EQ(spy.count(), 4);
    QTest::mouseRelease(&box, Qt::MiddleButton, Qt::NoModifier, QPoint(3, 4));
}

TEST(PictureBox, PressOnTheNestedCylinderReachesOnlyTheCylinder) {
    QImage syringe(677, 177, QImage::Format_RGB32);
    syringe.fill(qRgb(200, 200, 200));
    PictureBox container(QPixmap::fromImage(syringe));
    auto* cylinder = new CylinderView(QImage(529, 154, QImage::Format_RGB32), {}, &container);
    cylinder->setGeometry(43, 11, 250, 151);
    container.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&container));
    QSignalSpy containerSpy(&container, &PictureBox::pointer);
    QSignalSpy cylinderSpy(cylinder, &CylinderView::pointer);

    // Through the window, so that the toolkit routes the press to the widget under the pointer.
    QWindow* window = container.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, QPoint(43 + 30, 11 + 40));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(43 + 30, 11 + 40));
    ASSERT_EQ(cylinderSpy.count(), 1);
    EXPECT_DOUBLE_EQ(cylinderSpy.at(0).at(0).toDouble(), 30.0);
    EXPECT_DOUBLE_EQ(cylinderSpy.at(0).at(1).toDouble(), 40.0);
    EXPECT_EQ(containerSpy.count(), 0);

    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, QPoint(400, 60));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(400, 60));
    ASSERT_EQ(containerSpy.count(), 1);
    EXPECT_DOUBLE_EQ(containerSpy.at(0).at(0).toDouble(), 400.0);
    EXPECT_EQ(cylinderSpy.count(), 1);
}

} // namespace
} // namespace vozavero
