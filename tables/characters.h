#pragma once

#include <QStringView>

namespace lumbrell {

// Positions in text count characters: a surrogate pair is one character, like
// every other. Qt positions (carets, selections, offsets) count UTF-16 units;
// these helpers translate between the two and never split a pair.

// The number of characters in the text.
qsizetype characterCount(QStringView text);

// The unit offset reached by stepping over `characters` characters from the
// unit offset `from`; -1 when the text ends before that many characters.
qsizetype unitOffset(QStringView text, qsizetype from, qsizetype characters);

// The whole character that starts at unit offset `at`; empty at the end.
QStringView characterAfter(QStringView text, qsizetype at);

// The whole character that ends at unit offset `at` (the one in front of a
// caret there); empty at the start.
QStringView characterBefore(QStringView text, qsizetype at);

// The first `characters` characters from unit offset `from` (fewer where the
// text ends).
QStringView charactersFrom(QStringView text, qsizetype from, qsizetype characters);

// Whether the first character of the text is of the Han script (ideographs,
// their radicals and 〇): one that may simply be missing from the data, unlike
// a letter or a comma.
bool isChineseCharacter(QStringView character);

} // namespace lumbrell
