#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

namespace lumbrell::art {

// The pictures the windows carry, drawn by the project's own art tool at build
// time and embedded as resources under ":/art/". A picture missing from the
// build comes back null.
QImage background();                 // 614 × 339, the two white panels on light grey
QIcon windowIcon();                  // 32 × 32, 16 colours: books and a magnifying glass
QCursor handCursor();                // 32 × 32 monochrome pointing hand, hot spot (5, 0)
QImage notFoundNotice();             // 386 × 33
QImage identificationDiagram(int index); // 0 … 15: 108 × 109 one-bit (13: 108 × 108)
QImage aboutBanner();                // 407 × 72

} // namespace lumbrell::art
