#pragma once

#include <QPalette>

class QWidget;

namespace lumbrell {

// The colours the windows are designed in: black text on white boxes, grey
// buttons, blue selection, pale yellow tooltips, the same in every state.
// Every role of every colour group is set, so nothing of the desktop's
// palette (a dark theme, say) resolves into a window that takes it.
QPalette designPalette();

// Gives a window, and through it every control it holds, the design palette.
void useDesignPalette(QWidget* window);

} // namespace lumbrell
