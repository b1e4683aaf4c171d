#include "tables/table_search.h"

#include "formats/table_line_format.h"
#include "tables/characters.h"

namespace lumbrell {
namespace {

// The first match of key at or after unit offset `from` that does not split
// a surrogate pair of the table; -1 when there is none.
qsizetype matchFrom(QStringView table, QStringView key, qsizetype from)
{
    if (key.isEmpty() || from < 0 || from > table.size())
        return -1;
    for (qsizetype at = table.indexOf(key, from); at >= 0; at = table.indexOf(key, at + 1)) {
        const qsizetype end = at + key.size();
        const bool splitsPair = (at > 0 && table[at].isLowSurrogate() && table[at - 1].isHighSurrogate())
                                || (end < table.size() && table[end].isLowSurrogate()
                                    && table[end - 1].isHighSurrogate());
        if (!splitsPair)
            return at;
    }
    return -1;
}

// Where the search goes on after a match: behind it and the given number of
// characters after it (the rest of the line). -1 past the end of the table.
qsizetype resumeAfter(QStringView table, qsizetype match, QStringView key, qsizetype characters)
{
    return unitOffset(table, match, characterCount(key) + characters);
}

} // namespace

QStringList charactersBefore(QStringView table, QStringView key)
{
    QStringList found;
    for (qsizetype at = matchFrom(table, key, 0); at >= 0;) {
        found.append(characterBefore(table, at).toString());
        // Behind the match and the line end after it.
        at = matchFrom(table, key, resumeAfter(table, at, key, tablelines::LineEndWidth));
    }
    return found;
}

std::optional<QString> lastFieldAfter(QStringView table, QStringView key)
{
    std::optional<QString> last;
    for (qsizetype at = matchFrom(table, key, 0); at >= 0;) {
        const qsizetype afterFirst = at + characterAfter(table, at).size();
        last = charactersFrom(table, afterFirst, tablelines::SyllableFieldWidth).toString();
        // Behind the match, its syllable field, the line end and the next
        // line's character: two lines of one character in a row count once.
        at = matchFrom(table, key,
                       resumeAfter(table, at, key, tablelines::SyllableFieldWidth + tablelines::LineEndWidth + 1));
    }
    return last;
}

} // namespace lumbrell
