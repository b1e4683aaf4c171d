#pragma once
#include <QSet>
#include <QString>

namespace lumbrell::data {

// The 400 syllables of the pinyin chooser (ü written u); a table line under any
// other syllable could never be reached by pinyin input.
const QSet<QString>& chooserSyllables();

} // namespace lumbrell::data
