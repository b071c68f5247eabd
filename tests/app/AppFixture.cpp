#include "AppFixture.h"

#include <QApplication>
#include <QMouseEvent>

namespace vozavero {

void AppFixture::drag(QWidget* w, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace vozavero
