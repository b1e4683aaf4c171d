#pragma once

#include <QFont>

namespace lumbrell {

// A Song-style Simplified Chinese font (the face the windows are designed in),
// with the closest faces Debian ships as fall-backs.
QFont songFont(qreal pointSize, bool bold = false);

} // namespace lumbrell
