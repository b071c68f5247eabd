// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The cylinder frame ("Simulation des Kolbenprobers"): the syringe drawing, the gas space with
// its particles and the piston. Turns presses and drags on gas space, syringe and piston into
// volume changes of the experiment, and shows the experiment's volume and particles.
#pragma once
#include "Experiment.h"
#include "Twips.h"

#include <QObject>

class QWidget;

namespace vozavero {

class CylinderView;
class PictureBox;
class PistonPicture;
class ScaledPicture;
class TitledFrame;

class CylinderPanel : public QObject {
    Q_OBJECT
public:
    /// Builds the frame and its pictures on parent at their design places.
    CylinderPanel(Experiment& experiment, const Twips& twips, QWidget* parent);

    TitledFrame* frame() const { return frame_; }        ///< "frm_KolbenHolder"
    PictureBox* syringe() const { return syringe_; }     ///< "frm_Kolben"
    CylinderView* gasSpace() const { return gasSpace_; } ///< "Bild"
    PistonPicture* piston() const { return piston_; }    ///< "pic_Schieber"

    /// Draws one complete frame of the experiment's particles.
    void drawParticles();
    /// Keeps the piston glued to the right edge of the gas space.
    void placePiston();
    /// Shows the caption, names and tool tips in the language now in effect.
    void retranslate();

private:
    void buildPictures();
    /// A press or drag in the gas space: the piston face jumps to the pointer.
    void interiorPointer(double x, double y);
    /// A press or drag on the syringe drawing (or forwarded from the piston).
    void containerPointer(double x, double y);
    /// Sizes the gas space to the experiment's width, rounded to whole pixels.
    void fitGasSpace();
    void showVolume(const QuantityChange& change);

    Experiment& experiment_;
    Twips twips_;
    TitledFrame* frame_ = nullptr;
    PictureBox* syringe_ = nullptr;
    CylinderView* gasSpace_ = nullptr;
    PistonPicture* piston_ = nullptr;
};

} // namespace vozavero
