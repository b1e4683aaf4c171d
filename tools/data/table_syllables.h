#pragma once
#include <QSet>
#include <QString>

namespace lumbrell::data {

// The 400 syllables of the pinyin chooser (ü written u); a table line under any
// other syllable could never be reached by pinyin input.
const QSet<QString>& chooserSyllables();

// The syllables the pinyin tables may hold: the chooser's, and the standard
// syllables it lacks that are typed into its edit field ("fo" for 佛, "lo" for 咯).
const QSet<QString>& tableSyllables();

} // namespace lumbrell::data
