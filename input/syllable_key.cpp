#include "input/syllable_key.h"

#include "store/spaces.h"
#include "tables/characters.h"

namespace lumbrell {

std::optional<QString> syllableKey(QStringView text)
{
    const QString syllable = trimSpaces(text);
    const qsizetype length = characterCount(syllable);
    if (length == 0 || length > SyllableFieldWidth)
        return std::nullopt;
    return syllable + QString(SyllableFieldWidth - length, u' ');
}

bool inSyllableGroup(int table, QStringView firstCharacter)
{
    return firstCharacter.size() == 1 && syllables::Groups[size_t(table)].find(firstCharacter[0].unicode()) != std::u16string_view::npos;
}

} // namespace lumbrell
