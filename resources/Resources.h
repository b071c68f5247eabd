// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The program's built-in pictures: their resource paths and the few colours other code has to
// match (the gas field behind the particles, the neutral surroundings of the syringe drawing).
// Linking vozavero_resources registers the pictures on its own; initVozaveroResources() is there
// for code that wants to be explicit about it and may be called any number of times.
#pragma once
#include <QRgb>

namespace vozavero::pictures {

/// Background of the cylinder interior ("Bild"), 529 x 154, opaque.
inline constexpr const char* kBackground = ":/pictures/bild.png";
/// Particle sprites TEIL(0)..TEIL(3): 16 x 16, 16 x 16, 8 x 8, 8 x 8, opaque.
inline constexpr const char* kSprites[4] = {":/pictures/teil0.png", ":/pictures/teil1.png",
                                            ":/pictures/teil2.png", ":/pictures/teil3.png"};
/// The syringe drawing ("frm_Kolben"), 645 x 181, opaque.
inline constexpr const char* kSyringe = ":/pictures/kolben.png";
/// The piston ("pic_Schieber"), 130 x 150, transparent around the plunger.
inline constexpr const char* kPiston = ":/pictures/schieber.png";
/// Icon of the options command, 32 x 32, transparent background.
inline constexpr const char* kOptionsIcon = ":/pictures/options.png";
/// Application icon, 64 x 64, transparent corners.
inline constexpr const char* kAppIcon = ":/pictures/app.png";

/// The flat field of the cylinder interior.
inline constexpr QRgb kFieldColour = qRgb(226, 231, 237);
/// The four corner pixels of every particle sprite, so a square sprite reads as a disc.
inline constexpr QRgb kSpriteCornerColour = qRgb(227, 231, 237);
/// Neutral surroundings of the syringe drawing: the body colour of the frame it sits in, so the
/// drawing has no visible edge. The part of "frm_Kolben" right of the 645-pixel drawing shows the
/// frame through, or should be filled with this colour.
inline constexpr QRgb kSurroundColour = qRgb(236, 236, 232);

} // namespace vozavero::pictures

/// Registers the picture resources. Not required when the library is linked normally.
void initVozaveroResources();
