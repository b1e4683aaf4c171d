#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace lumbrell {

// The width of a table line's syllable field.
inline constexpr int SyllableFieldWidth = 6;

// The search key of a typed syllable: the text trimmed of spaces and padded
// with spaces to the width of a syllable field, so that it matches only lines
// of exactly that syllable. None for a blank text or one longer than a field.
std::optional<QString> syllableKey(QStringView text);

// The first letters of the syllables of each pinyin table, table 1 to table 5.
inline constexpr std::array<QStringView, 5> SyllableGroups = {
    u"abcde", u"fghijk", u"lmnopq", u"rstuvwx", u"yz",
};

// Whether a key starting with `firstCharacter` belongs to pinyin table `table`
// (0 … 4); exact, case-sensitive.
bool inSyllableGroup(int table, QStringView firstCharacter);

} // namespace lumbrell
