#include "tables/characters.h"

namespace lumbrell {
namespace {

bool isPairAt(QStringView text, qsizetype at)
{
    return at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
}

} // namespace

qsizetype characterCount(QStringView text)
{
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

} // namespace lumbrell
