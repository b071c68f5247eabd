// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The cylinder frame: its pictures at their design places, the pointer rules of gas space,
// syringe and piston, and the gas space and piston following the experiment's volume.
#include "CylinderPanel.h"

#include "CylinderView.h"
#include "Guarded.h"
#include "PictureBox.h"
#include "PistonPicture.h"
#include "RoundHalfEven.h"
#include "framework/TitledFrame.h"

#include <QLabel>
#include <algorithm>

namespace vozavero {

namespace {

/// A picture from the resources with its finer copies for scaled screens, or a plain stand-in
/// of the given size when it is missing.
ScaledPicture picture(const QString& path, QSize size, QColor fill) {
    ScaledPicture loaded = ScaledPicture::load(path);
    if (loaded.isNull()) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(fill);
        return image;
    }
    return loaded;
}

} // namespace

CylinderPanel::CylinderPanel(Experiment& experiment, const Twips& twips, QWidget* parent)
    : QObject(parent)
    , experiment_(experiment)
    , twips_(twips) {
    frame_ = new TitledFrame(QString(), parent);
    frame_->setObjectName(QStringLiteral("frm_KolbenHolder"));
    frame_->setGeometry(twips.rect(120, 120, 10995, 3150));
    buildPictures();
    retranslate();
    connect(&experiment_, &Experiment::quantitiesChanged, this, &CylinderPanel::showVolume);
}

void CylinderPanel::buildPictures() {
    const ScaledPicture drawing =
        picture(QStringLiteral(":/pictures/kolben.png"), {645, 181}, Qt::lightGray);
    syringe_ = new PictureBox(drawing, frame_);
    syringe_->setObjectName(QStringLiteral("frm_Kolben"));
    syringe_->setGeometry(48, 24, 677, 177);

    const QColor field(226, 231, 237);
    const std::array<ScaledPicture, 4> sprites = {
        picture(QStringLiteral(":/pictures/teil0.png"), {16, 16}, Qt::blue),
        picture(QStringLiteral(":/pictures/teil1.png"), {16, 16}, Qt::darkBlue),
        picture(QStringLiteral(":/pictures/teil2.png"), {8, 8}, Qt::red),
        picture(QStringLiteral(":/pictures/teil3.png"), {8, 8}, Qt::blue)};
    for (int i = 0; i < 4; ++i) {
        // The sprite pictures are copy sources only; they are never shown themselves.
        auto* teil = new QLabel(frame_);
        teil->setObjectName(QStringLiteral("TEIL(%1)").arg(i));
        teil->setPixmap(QPixmap::fromImage(sprites[static_cast<size_t>(i)].base()));
        teil->hide();
    }
    gasSpace_ = new CylinderView(picture(QStringLiteral(":/pictures/bild.png"), {529, 154}, field),
                                 sprites, syringe_);
    gasSpace_->setObjectName(QStringLiteral("Bild"));
    gasSpace_->setGeometry(43, 11, roundTo<int>(experiment_.cylinderWidth()), 151);
    experiment_.setCylinderHeight(gasSpace_->height());

    const ScaledPicture plunger =
        picture(QStringLiteral(":/pictures/schieber.png"), {130, 150}, Qt::gray);
    PistonPicture::Hooks hooks;
    hooks.width = [this] { return experiment_.cylinderWidth(); };
    hooks.pointAt = [this](double width) {
        // The pointer stands on the piston face, halfway down the gas space.
        containerPointer(gasSpace_->x() + width, gasSpace_->y() + gasSpace_->height() / 2.0);
    };
    piston_ = new PistonPicture(plunger, std::move(hooks), syringe_);
    piston_->setObjectName(QStringLiteral("pic_Schieber"));
    piston_->setGeometry(gasSpace_->x() + gasSpace_->width(), 12, plunger.size().width(),
                         plunger.size().height());

    connect(gasSpace_, &CylinderView::pointer, this,
            [this](double x, double y) { interiorPointer(x, y); });
    connect(syringe_, &PictureBox::pointer, this,
            [this](double x, double y) { containerPointer(x, y); });
    connect(piston_, &PictureBox::pointer, this,
            [this](double x, double y) { containerPointer(x + piston_->x(), y + piston_->y()); });
}

void CylinderPanel::retranslate() {
    frame_->setCaption(tr("Simulation des Kolbenprobers"));
    frame_->setAccessibleName(frame_->caption());
    syringe_->setAccessibleName(tr("Kolbenprober"));
    syringe_->setAccessibleDescription(
        tr("Zeichnung des Kolbenprobers. Ein Druck mit der Maus oder dem Finger neben dem "
           "Gasraum stellt den Schieber dorthin."));
    gasSpace_->setAccessibleName(tr("Gasraum"));
    const QString volumeTip = tr("Du kannst mit der Maus das Volumen des Kolbenprobers ändern.");
    gasSpace_->setToolTip(volumeTip);
    piston_->setToolTip(volumeTip);
}

void CylinderPanel::drawParticles() {
    gasSpace_->drawParticles(experiment_.engine());
}

void CylinderPanel::interiorPointer(double x, double) {
    if (x < 1) {
        return;
    }
    // The pointer may stand between pixels (touch, pen, scaled screens); the gas space is whole
    // pixels wide. Every press sets the width, even an unchanged one.
    const ValueRange range = Quantity::of(QuantityId::Volume).gauge;
    guarded([&] {
        experiment_.setQuantity(QuantityId::Volume, range.clamp(roundHalfEven(x)),
                                ChangeOrigin::Piston);
    });
}

void CylinderPanel::containerPointer(double x, double y) {
    if (y < gasSpace_->y() || y > gasSpace_->y() + gasSpace_->height()) {
        return;
    }
    const double d = x - gasSpace_->x();
    if (d <= 0) {
        return;
    }
    guarded([&] {
        const double w = Quantity::of(QuantityId::Volume).gauge.clamp(roundHalfEven(d));
        if (experiment_.cylinderWidth() != w) {
            experiment_.setQuantity(QuantityId::Volume, w, ChangeOrigin::Piston);
        }
    });
}

void CylinderPanel::fitGasSpace() {
    // The picture is whole pixels; the piston is placed from the picture, so gas space and
    // piston always meet, also at a fractional width left by an automatic step.
    gasSpace_->resize(std::max(0, roundTo<int>(experiment_.cylinderWidth())), gasSpace_->height());
}

void CylinderPanel::placePiston() {
    piston_->move(gasSpace_->x() + gasSpace_->width(), piston_->y());
}

void CylinderPanel::showVolume(const QuantityChange& change) {
    if (change.has(QuantityId::Volume)) {
        fitGasSpace();
        placePiston();
        // The particles the piston pushed along show with it, in the same paint.
        drawParticles();
    }
}

} // namespace vozavero
