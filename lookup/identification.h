#pragma once

#include <QChar>

namespace lumbrell {

// The index (0 … 15) of the identification diagram for a code letter: the
// letters g f d h j k t r e y u i n b v of the identification table and l of
// the fixed rule for the five single strokes. -1 for any other character,
// upper-case letters included.
int identificationIndex(QChar letter);

} // namespace lumbrell
