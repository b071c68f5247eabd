// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The pictures of the cylinder: the interior's background with its ruler, the glass gas syringe
// around it and the piston. All three share the geometry in PictureKit.h, so the graduation on the
// tube, the ruler in the interior and the piston face line up.
#include "PictureKit.h"
#include "Pictures.h"
#include "Resources.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace vozavero::picturegen {

namespace {

// Tube of the syringe: walls 7 pixels thick round the gas space, closed on the left, open on
// the right with a small lip.
constexpr double kWall = 7.0;
constexpr double kTubeTop = kGasTop - kWall;                 // 4
constexpr double kTubeBottom = kGasTop + kGasHeight + kWall; // 169
constexpr double kTubeLeft = kGasLeft - kWall;               // 36
constexpr double kTubeRight = 598.0;
constexpr double kTubeMiddle = kGasTop + kGasHeight / 2.0; // 86.5
constexpr QColor kAir{236, 240, 245};

// Glass wall shading across a wall band from its outer to its inner edge.
QLinearGradient wallGradient(double outer, double inner) {
    QLinearGradient gradient(0, outer, 0, inner);
    gradient.setColorAt(0.0, picturegen::kGlassDark);
    gradient.setColorAt(0.4, picturegen::kGlassLight);
    gradient.setColorAt(1.0, picturegen::kGlassMiddle);
    return gradient;
}

// The outline of the glass body: upper wall, closed rounded left end with the tapering nozzle,
// lower wall. closed adds the open right end, which makes it the area of the glass.
QPainterPath glassBody(bool closed) {
    QPainterPath path;
    const double radius = 12.0;
    path.moveTo(kTubeRight, kTubeTop);
    path.lineTo(kTubeLeft + radius, kTubeTop);
    path.quadTo(kTubeLeft, kTubeTop, kTubeLeft, kTubeTop + radius);
    // The shoulder narrows into the nozzle.
    path.lineTo(kTubeLeft, kTubeMiddle - 17);
    path.cubicTo(kTubeLeft - 5, kTubeMiddle - 15, kTubeLeft - 9, kTubeMiddle - 9, kTubeLeft - 12,
                 kTubeMiddle - 8);
    path.lineTo(9.0, kTubeMiddle - 5);
    path.quadTo(5.5, kTubeMiddle - 5, 5.5, kTubeMiddle);
    path.quadTo(5.5, kTubeMiddle + 5, 9.0, kTubeMiddle + 5);
    path.lineTo(kTubeLeft - 12, kTubeMiddle + 8);
    path.cubicTo(kTubeLeft - 9, kTubeMiddle + 9, kTubeLeft - 5, kTubeMiddle + 15, kTubeLeft,
                 kTubeMiddle + 17);
    path.lineTo(kTubeLeft, kTubeBottom - radius);
    path.quadTo(kTubeLeft, kTubeBottom, kTubeLeft + radius, kTubeBottom);
    path.lineTo(kTubeRight, kTubeBottom);
    if (closed) {
        path.closeSubpath();
    }
    return path;
}

void paintLip(QPainter& painter, double top, double bottom) {
    const QRectF lip(kTubeRight - 6, top, 8, bottom - top);
    QLinearGradient gradient(lip.topLeft(), lip.topRight());
    gradient.setColorAt(0.0, picturegen::kGlassDark);
    gradient.setColorAt(0.4, picturegen::kGlassLight);
    gradient.setColorAt(1.0, picturegen::kGlassDark);
    painter.setBrush(gradient);
    painter.setPen(QPen(picturegen::kOutline, 1.2));
    painter.drawRoundedRect(lip.adjusted(0.5, 0.5, -0.5, -0.5), 2.0, 2.0);
}

// Cylindrical shading of a part of the piston seen from the side: lit from above.
QLinearGradient metalGradient(double top, double bottom, QColor base) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, base.darker(135));
    gradient.setColorAt(0.22, base.lighter(122));
    gradient.setColorAt(0.5, base);
    gradient.setColorAt(1.0, base.darker(160));
    return gradient;
}

} // namespace

QImage makeBackground(double scale) {
    QImage image = opaqueCanvas(scaled(529, scale), scaled(154, scale),
                                QColor::fromRgb(pictures::kFieldColour));
    QPainter painter;
    beginPainter(painter, image);
    painter.scale(scale, scale);
    // Ruler near the bottom of the visible 151 rows; mark k sits in the last column of a gas
    // space 10k pixels wide, so it meets the piston face when the piston stands there.
    constexpr int kLine = 146;
    crispRect(painter, QRect(0, kLine, 529, 1), kRuler);
    for (int k = 1; k * kTickStep - 1 < 529; ++k) {
        const int length = tickLength(k, 3, 6, 9);
        crispTick(painter, k * kTickStep - 1, kLine - length, length, kRuler);
    }
    return image;
}

QImage makeSyringe(double scale) {
    QImage image = opaqueCanvas(scaled(645, scale), scaled(181, scale),
                                QColor::fromRgb(pictures::kSurroundColour));
    QPainter painter;
    beginPainter(painter, image);
    painter.scale(scale, scale);
    const QPainterPath body = glassBody(true);

    // A soft shadow under the glass gives it some depth on a projected wall.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(QColor(40, 50, 70, 10));
        painter.drawPath(body.translated(0.5 * i, 2.0 + i));
    }

    // Glass walls: the body filled, then the top and bottom bands with their own shading.
    QLinearGradient endWall(kTubeLeft, 0, kGasLeft, 0);
    endWall.setColorAt(0.0, kGlassDark);
    endWall.setColorAt(0.5, kGlassLight);
    endWall.setColorAt(1.0, kGlassMiddle);
    painter.setBrush(endWall);
    painter.drawPath(body);
    painter.setClipPath(body);
    painter.fillRect(QRectF(0, kTubeTop, kTubeRight, kWall), wallGradient(kTubeTop, kGasTop));
    const double bottomInner = kGasTop + kGasHeight;
    painter.fillRect(QRectF(0, bottomInner, kTubeRight, kWall),
                     wallGradient(kTubeBottom, bottomInner));
    painter.setClipping(false);

    // The inside of the tube. The gas space covers its left part; what shows behind the piston
    // is open air, a shade lighter than the gas.
    const QRectF interior(kGasLeft, kGasTop, kTubeRight - kGasLeft, kGasHeight);
    painter.fillRect(interior, kAir);

    // The bore through the nozzle into the gas space.
    const QRectF bore(8.5, kTubeMiddle - 1.5, kGasLeft - 8.5, 3.0);
    painter.setBrush(QColor::fromRgb(pictures::kFieldColour));
    painter.setPen(QPen(QColor(150, 160, 174), 0.8));
    painter.drawRoundedRect(bore, 1.5, 1.5);

    // Outlines: the glass body dark, the inner edges of the walls lighter.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(glassBody(false));
    painter.fillRect(QRectF(kGasLeft - 1, kGasTop - 1, kTubeRight - kGasLeft + 1, 1),
                     QColor(132, 142, 156));
    painter.fillRect(QRectF(kGasLeft - 1, bottomInner, kTubeRight - kGasLeft + 1, 1),
                     QColor(132, 142, 156));
    painter.fillRect(QRectF(kGasLeft - 1, kGasTop - 1, 1, kGasHeight + 2), QColor(132, 142, 156));
    // Reflections along both walls.
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(kTubeLeft + 10, kTubeTop + 2.6),
                     QPointF(kTubeRight - 16, kTubeTop + 2.6));
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(kTubeLeft + 10, kTubeBottom - 4.2),
                     QPointF(kTubeRight - 16, kTubeBottom - 4.2));
    painter.drawLine(QPointF(12, kTubeMiddle - 3.2), QPointF(kTubeLeft - 10, kTubeMiddle - 5.2));

    // Open end: the rim of the mouth seen slightly from the side, and a lip above and below.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(120, 134, 152, 110), 1.2));
    painter.drawEllipse(QRectF(kTubeRight - 8, kTubeTop, 12, kTubeBottom - kTubeTop));
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    painter.drawArc(QRectF(kTubeRight - 6.5, kTubeTop + 2, 9, kTubeBottom - kTubeTop - 4), 100 * 16,
                    80 * 16);
    paintLip(painter, 0.0, kGasTop);
    paintLip(painter, bottomInner, kTubeBottom + 4.0);

    // Graduation on the upper wall, in line with the ruler of the interior.
    for (int k = 1; kGasLeft + k * kTickStep - 1 < kTubeRight - 12; ++k) {
        const int length = tickLength(k, 2, 4, 6);
        crispTick(painter, kGasLeft + k * kTickStep - 1, kGasTop - 1 - length, length, kGraduation);
    }
    return image;
}

QImage makePiston(double scale) {
    QImage image = transparentCanvas(scaled(130, scale), scaled(150, scale));
    QPainter painter;
    beginPainter(painter, image);
    painter.scale(scale, scale);
    const QPen outline(kOutline, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Rod between head and handle.
    const QRectF rod(34, 66, 84, 18);
    painter.setPen(outline);
    painter.setBrush(metalGradient(rod.top(), rod.bottom(), QColor(176, 182, 190)));
    painter.drawRect(rod);

    // Handle: a narrow upright grip.
    const QRectF handle(110.5, 8.5, 15, 133);
    painter.setBrush(metalGradient(handle.top(), handle.bottom(), QColor(150, 158, 168)));
    painter.drawRoundedRect(handle, 6, 6);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(113.5, 16), QPointF(113.5, 134));

    // Head: the block filling the tube, with a dark rubber seal forming the face.
    const QRectF head(0.5, 0.5, 38, 149);
    painter.setPen(outline);
    painter.setBrush(metalGradient(head.top(), head.bottom(), QColor(188, 193, 200)));
    painter.drawRoundedRect(head, 5, 5);
    const QRectF seal(0.5, 0.5, 9, 149);
    painter.setBrush(metalGradient(seal.top(), seal.bottom(), QColor(92, 98, 108)));
    painter.drawRoundedRect(seal, 3, 3);
    // Two grooves round the head.
    painter.setPen(QPen(QColor(110, 116, 126), 1.0));
    painter.drawLine(QPointF(17.5, 3), QPointF(17.5, 147));
    painter.drawLine(QPointF(23.5, 3), QPointF(23.5, 147));
    return image;
}

} // namespace vozavero::picturegen
