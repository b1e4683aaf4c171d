#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace lumbrell::art_tool {

// Each function draws one of the pictures the windows carry, at its exact
// pixel size and in its file format (depth and colour count).

QImage drawBackground();                   // 614 × 339, 24-bit
QImage drawIcon();                         // 32 × 32, 16 colours
QImage drawHandShape();                    // 32 × 32, 1-bit: black outline, white inside
QImage drawHandMask();                     // 32 × 32, 1-bit: black where the hand is opaque
QImage drawNotFoundNotice();               // 386 × 33, 24-bit
QImage drawIdentificationDiagram(int index); // 108 × 109 (13: 108 × 108), 1-bit
QImage drawBanner();                       // 407 × 72, 24-bit

// The desktop icon, drawn at any size on a transparent ground, and the same
// drawing as an SVG document.
QImage drawAppIcon(int pixelSize);
QString appIconSvg();

// The Song-style font the pictures write their Chinese captions in.
QFont songFont(int pixelSize, bool bold = false);

// A drawing made in full colour, reduced to one bit: dark pixels become black.
QImage toOneBit(const QImage& image);

} // namespace lumbrell::art_tool
