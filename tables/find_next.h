#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace lumbrell {

// One step of a find-next run over a table text. `position` is the number of
// leading characters of the table that the step skips; it is remembered by the
// caller between steps of a run. A run calls the same step with the same table
// and key until it misses; the miss sets the position back to 0, so the next
// run starts at the beginning of whatever table it is given.
//
// Positions count characters (a surrogate pair is one). A position outside the
// table, like an empty key, is a miss.

// On a hit: the character in front of the match (the line's character when the
// key is a whole code or syllable field); the next step skips the match and
// the two characters after it (the line break of a table line).
std::optional<QString> findNextPreceding(QStringView table, QStringView key, std::int32_t& position);

// On a hit: the six characters after the first character of the match (the
// syllable field when the key is a character of a pinyin table); the next step
// skips the match and the nine characters after it.
std::optional<QString> findNextFollowing(QStringView table, QStringView key, std::int32_t& position);

} // namespace lumbrell
