#pragma once
// The pictures the generator makes, one function each, and the preview that puts the cylinder
// pictures together the way the main window shows them.
#include <QImage>
#include <QString>

namespace vozavero::picturegen {

/// bild.png: the cylinder interior's background, 529 x 154, opaque.
QImage makeBackground();
/// kolben.png: the glass gas syringe, 645 x 181, opaque.
QImage makeSyringe();
/// schieber.png: the piston, 130 x 150, transparent around the plunger.
QImage makePiston();
/// teil0.png .. teil3.png: the particle sprites by index, opaque.
QImage makeSprite(int index);
/// options.png: the options icon, 32 x 32.
QImage makeOptionsIcon();
/// app.png: the application icon, 64 x 64.
QImage makeAppIcon();

/// The cylinder frame as the main window shows it with a gas space gasWidth pixels wide and a
/// few particles, enlarged zoom times without smoothing.
QImage makePreview(int gasWidth, int zoom);

} // namespace vozavero::picturegen
