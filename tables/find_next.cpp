#include "tables/find_next.h"

#include "formats/table_lines.h"

#include "tables/characters.h"

namespace lumbrell {
namespace {

struct Match {
    qsizetype unit;       // where the match starts, in UTF-16 units
    std::int32_t number;  // the same place as a 1-based character position
};

// The first match of key after the first `position` characters, never one that
// starts or ends inside a surrogate pair of the table.
std::optional<Match> findAfter(QStringView table, QStringView key, std::int32_t position)
{
    if (key.isEmpty() || position < 0)
        return std::nullopt;
    const qsizetype from = unitOffset(table, 0, position);
    if (from < 0)
        return std::nullopt;
    for (qsizetype at = table.indexOf(key, from); at >= 0; at = table.indexOf(key, at + 1)) {
        const qsizetype end = at + key.size();
        const bool splitsPair = (at > 0 && table[at].isLowSurrogate() && table[at - 1].isHighSurrogate())
                                || (end < table.size() && table[end].isLowSurrogate()
                                    && table[end - 1].isHighSurrogate());
        if (!splitsPair)
            return Match{at, static_cast<std::int32_t>(position + characterCount(table.sliced(from, at - from)) + 1)};
    }
    return std::nullopt;
}

std::int32_t keyLength(QStringView key)
{
    return static_cast<std::int32_t>(characterCount(key));
}

} // namespace

std::optional<QString> findNextPreceding(QStringView table, QStringView key, std::int32_t& position)
{
    const auto match = findAfter(table, key, position);
    if (!match) {
        position = 0;
        return std::nullopt;
    }
    // A match at the very start has nothing in front of it: the hit is empty.
    const QString found = characterBefore(table, match->unit).toString();
    position = match->number + keyLength(key) + 1;
    return found;
}

std::optional<QString> findNextFollowing(QStringView table, QStringView key, std::int32_t& position)
{
    const auto match = findAfter(table, key, position);
    if (!match) {
        position = 0;
        return std::nullopt;
    }
    const qsizetype afterFirst = match->unit + characterAfter(table, match->unit).size();
    const QString found = charactersFrom(table, afterFirst, tablelines::SyllableFieldWidth).toString();
    position = match->number + keyLength(key) + tablelines::SyllableFieldWidth + tablelines::LineEndWidth;
    return found;
}

} // namespace lumbrell
