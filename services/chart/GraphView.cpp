// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Copies the last graph picture to the clipboard and prints it, scaled to the page, beneath a
// heading.
#include "GraphView.h"

#include "PrintAdaptor.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

namespace vozavero::chart {

void GraphView::copyGraph(bool /*whole*/) const {
    QGuiApplication::clipboard()->setImage(picture_);
}

bool GraphView::printGraph(PrintAdaptor& adaptor, bool /*whole*/) const {
    QPrinter& printer = adaptor.startJob();
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRectF page = painter.viewport();
    double top = page.top();
    if (!heading_.isEmpty()) {
        QFont font;
        font.setPointSizeF(16);
        font.setBold(true);
        painter.setFont(font);
        const double height = QFontMetricsF(font, &printer).lineSpacing() * 1.3;
        painter.drawText(QRectF(page.left(), top, page.width(), height),
                         Qt::AlignLeft | Qt::AlignVCenter, heading_);
        top += height * 1.5;
    }
    if (!picture_.isNull() && top < page.bottom()) {
        const QSizeF room(page.width(), page.bottom() - top);
        const QSizeF size = QSizeF(picture_.size()).scaled(room, Qt::KeepAspectRatio);
        const QRectF target(page.left() + (room.width() - size.width()) / 2, top, size.width(),
                            size.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture_);
    }
    return painter.end();
}

} // namespace vozavero::chart
