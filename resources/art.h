#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

namespace lumbrell::art {

// The pictures the windows carry, drawn by the project's own art tool at build
// time and embedded as resources under ":/art/". A picture missing from the
// build comes back null.
//
// Those that take a device pixel ratio come at twice their pixel size when the
// ratio is above 1, drawn anew at that size and marked with a device pixel
// ratio of 2, so they cover the same logical size and stay sharp.
QImage background(qreal devicePixelRatio = 1);     // 614 × 339, the two white panels on light grey
QIcon windowIcon();                                // 32 × 32, 16 colours: books and a magnifying glass
QCursor handCursor();                              // 32 × 32 monochrome pointing hand, hot spot (5, 0)
QImage notFoundNotice(qreal devicePixelRatio = 1); // 386 × 33
QImage identificationDiagram(int index, qreal devicePixelRatio = 1); // 0 … 15: 108 × 109 one-bit (13: 108 × 108)
QImage aboutBanner(qreal devicePixelRatio = 1);    // 407 × 72

} // namespace lumbrell::art
