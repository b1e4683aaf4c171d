#pragma once

#include <QStringList>

namespace lumbrell {

// The 400 syllables of the pinyin chooser, in its order (alphabetical; ü is
// written u, "m" and "ng" included). Every syllable of the pinyin tables is
// one of them, or pinyin input could never reach it.
const QStringList& chooserSyllables();

} // namespace lumbrell
