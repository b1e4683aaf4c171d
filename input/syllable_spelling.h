#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace lumbrell {

// The chooser syllable that a typed spelling stands for, as input methods and
// textbooks teach it: capitals as small letters; a trailing tone digit (1 to 5)
// or tone marks (mǎ, lǜ) dropped; ü, v or u: for ü, written u where the chooser
// writes u (lü lu, nüe nue, and after j q x y, where pinyin writes ü as u).
// None when the spelling stands for no syllable of the chooser, such as a
// syllable still being typed ("zh") or a misspelling.
std::optional<QString> chooserSyllableOf(QStringView typed);

} // namespace lumbrell
