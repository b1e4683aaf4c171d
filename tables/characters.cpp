#include "tables/characters.h"

#include <cstdint>
#include <cstring>

namespace lumbrell {
namespace {

// Whether the text holds the first half of a surrogate pair. Tables and most
// other texts hold none, and then every unit is a character: this is checked
// four units at a time, since the table searches ask it on every step.
bool hasHighSurrogate(QStringView text)
{
    const char16_t* units = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    for (; i + 4 <= size; i += 4) {
        std::uint64_t word;
        std::memcpy(&word, units + i, sizeof word);
        // A lane is zero exactly where a unit is a high surrogate.
        const std::uint64_t lanes = (word & 0xFC00FC00FC00FC00ULL) ^ 0xD800D800D800D800ULL;
        if (((lanes - 0x0001000100010001ULL) & ~lanes & 0x8000800080008000ULL) != 0)
            return true;
    }
    for (; i < size; ++i)
        if ((units[i] & 0xFC00) == 0xD800)
            return true;
    return false;
}

bool isPairAt(QStringView text, qsizetype at)
{
    return at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
}

} // namespace

qsizetype characterCount(QStringView text)
{
    if (!hasHighSurrogate(text))
        return text.size();
    qsizetype count = text.size();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (isPairAt(text, i)) {
            --count;
            ++i;
        }
    }
    return count;
}

qsizetype unitOffset(QStringView text, qsizetype from, qsizetype characters)
{
    if (from < 0 || from > text.size() || characters < 0)
        return -1;
    if (characters <= text.size() - from && !hasHighSurrogate(text.sliced(from, characters)))
        return from + characters;
    qsizetype at = from;
    for (; characters > 0; --characters) {
        if (at >= text.size())
            return -1;
        at += isPairAt(text, at) ? 2 : 1;
    }
    return at;
}

QStringView characterAfter(QStringView text, qsizetype at)
{
    if (at < 0 || at >= text.size())
        return {};
    return text.sliced(at, isPairAt(text, at) ? 2 : 1);
}

QStringView characterBefore(QStringView text, qsizetype at)
{
    if (at <= 0 || at > text.size())
        return {};
    const qsizetype start = at >= 2 && isPairAt(text, at - 2) ? at - 2 : at - 1;
    return text.sliced(start, at - start);
}

QStringView charactersFrom(QStringView text, qsizetype from, qsizetype characters)
{
    if (from < 0 || from > text.size())
        return {};
    qsizetype end = from;
    for (; characters > 0 && end < text.size(); --characters)
        end += isPairAt(text, end) ? 2 : 1;
    return text.sliced(from, end - from);
}

bool isChineseCharacter(QStringView character)
{
    if (character.isEmpty())
        return false;
    const char32_t code = character.size() > 1 && character[0].isHighSurrogate()
                              ? QChar::surrogateToUcs4(character[0], character[1])
                              : character[0].unicode();
    return QChar::script(code) == QChar::Script_Han;
}

} // namespace lumbrell
