// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The particle sprites and the two icons: shaded balls on the interior's field colour, a gear for
// the options command and a small syringe with balls for the application.
#include "PictureKit.h"
#include "Pictures.h"
#include "Resources.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

namespace vozavero::picturegen {

QImage makeSprite(int index, double scale) {
    const QColor corner = QColor::fromRgb(pictures::kSpriteCornerColour);
    switch (index) {
    case 0:
        return ballSprite(scaled(16, scale), kBlueBall, corner);
    case 1:
        return ballSprite(scaled(16, scale), kGreenBall, corner);
    case 2:
        return ballSprite(scaled(8, scale), kRedBall, corner);
    default:
        return ballSprite(scaled(8, scale), kBlueBall, corner);
    }
}

QImage makeOptionsIcon(int size) {
    // Drawn on a 32-unit grid at four times the wanted size and reduced, so the teeth stay clean.
    constexpr int kSize = 32;
    constexpr int kScale = 4;
    QImage large = transparentCanvas(size * kScale, size * kScale);
    {
        QPainter painter;
        beginPainter(painter, large);
        painter.scale(kScale * size / double(kSize), kScale * size / double(kSize));
        const QPointF centre(16, 16);
        QPainterPath gear;
        gear.addEllipse(centre, 10.2, 10.2);
        constexpr int kTeeth = 8;
        for (int i = 0; i < kTeeth; ++i) {
            QPainterPath tooth;
            tooth.addRoundedRect(QRectF(-3.1, -14.6, 6.2, 7.0), 1.3, 1.3);
            QTransform turn;
            turn.translate(centre.x(), centre.y());
            turn.rotate(360.0 * i / kTeeth + 22.5);
            gear = gear.united(turn.map(tooth));
        }
        QPainterPath hole;
        hole.addEllipse(centre, 4.4, 4.4);
        gear = gear.subtracted(hole);
        QLinearGradient steel(0, 2, 0, 30);
        steel.setColorAt(0.0, QColor(150, 170, 200));
        steel.setColorAt(0.5, QColor(82, 104, 140));
        steel.setColorAt(1.0, QColor(44, 58, 84));
        painter.setBrush(steel);
        painter.setPen(QPen(QColor(26, 36, 56), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(gear);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
        painter.drawEllipse(centre, 7.0, 7.0);
    }
    return large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage makeAppIcon(int size) {
    // Drawn on a 64-unit grid at four times the wanted size and reduced, so edges stay clean.
    constexpr int kSize = 64;
    constexpr int kScale = 4;
    QImage large = transparentCanvas(size * kScale, size * kScale);
    {
        QPainter painter;
        beginPainter(painter, large);
        painter.scale(kScale * size / double(kSize), kScale * size / double(kSize));
        // Tile in the window's blue.
        QLinearGradient tile(0, 0, 0, kSize);
        tile.setColorAt(0.0, QColor(62, 118, 214));
        tile.setColorAt(1.0, QColor(27, 78, 175));
        painter.setPen(QPen(QColor(16, 48, 116), 1.0));
        painter.setBrush(tile);
        painter.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 12, 12);

        const QPen outline(QColor(40, 50, 66), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        // Glass tube with the nozzle on the left.
        QPainterPath tube;
        tube.moveTo(46, 20);
        tube.lineTo(14, 20);
        tube.quadTo(11, 20, 11, 23);
        tube.lineTo(11, 29);
        tube.lineTo(5, 30.8);
        tube.lineTo(5, 33.2);
        tube.lineTo(11, 35);
        tube.lineTo(11, 41);
        tube.quadTo(11, 44, 14, 44);
        tube.lineTo(46, 44);
        tube.closeSubpath();
        painter.setPen(outline);
        painter.setBrush(QColor(236, 241, 247));
        painter.drawPath(tube);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(pictures::kFieldColour));
        painter.drawRect(QRectF(13.5, 22.5, 32.5, 19));
        // Piston: head inside the tube, rod and handle outside.
        painter.setPen(outline);
        painter.setBrush(QColor(176, 182, 190));
        painter.drawRect(QRectF(38, 29.5, 17, 5));
        painter.setBrush(QColor(150, 158, 168));
        painter.drawRoundedRect(QRectF(54, 17, 5, 30), 2, 2);
        painter.setBrush(QColor(92, 98, 108));
        painter.drawRoundedRect(QRectF(35, 22.5, 5, 19), 1.2, 1.2);
        // Particles.
        paintBall(painter, QRectF(16, 24.5, 6.5, 6.5), kBlueBall);
        paintBall(painter, QRectF(25.5, 31.5, 6.5, 6.5), kBlueBall);
        paintBall(painter, QRectF(18, 34, 6.5, 6.5), kBlueBall);
        paintBall(painter, QRectF(27.5, 23.5, 6.5, 6.5), kRedBall);
        // Reflection on the glass.
        painter.setPen(QPen(QColor(255, 255, 255, 230), 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(15, 21.3), QPointF(44, 21.3));
    }
    return large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace vozavero::picturegen
