#pragma once

#include "formats/syllable_groups.h"
#include "formats/table_line_format.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace lumbrell {

// The width of a table line's syllable field.
inline constexpr int SyllableFieldWidth = tablelines::SyllableFieldWidth;

// The search key of a typed syllable: the text trimmed of spaces and padded
// with spaces to the width of a syllable field, so that it matches only lines
// of exactly that syllable. None for a blank text or one longer than a field.
std::optional<QString> syllableKey(QStringView text);

// Whether a key starting with `firstCharacter` belongs to pinyin table `table`
// (0 … 4); exact, case-sensitive.
bool inSyllableGroup(int table, QStringView firstCharacter);

} // namespace lumbrell
