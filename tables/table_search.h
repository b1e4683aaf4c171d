#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace lumbrell {

// Searches over a table text (tables/table_texts.h), in table order. A match
// never starts or ends inside a surrogate pair, and the search goes on behind
// the line it matched, so one line gives at most one hit.

// The character in front of every match of key: the line's character when
// the key is a whole stroke code or syllable field. A match at the very start
// of the table has nothing in front of it and gives an empty entry.
QStringList charactersBefore(QStringView table, QStringView key);

// The syllable field of the last line whose character matches key: the six
// characters after the first character of the match. A line right after a
// match is not searched (the builder never writes one character on two lines
// in a row). Nothing when the key does not occur.
std::optional<QString> lastFieldAfter(QStringView table, QStringView key);

} // namespace lumbrell
