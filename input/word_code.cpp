#include "input/word_code.h"

#include "store/spaces.h"
#include "tables/characters.h"

#include <algorithm>
#include <array>
#include <vector>

namespace lumbrell {
namespace {

// Letters taken from one character's full code; a negative character counts
// from the end of the word (-1 the last).
struct LetterPick {
    int character;
    int letters;
};

// The rule by the word's length: two, three, and four or more characters.
const std::vector<LetterPick>& picksFor(qsizetype characters)
{
    static const std::array<std::vector<LetterPick>, 3> rules = {{
        {{0, 2}, {1, 2}},
        {{0, 1}, {1, 1}, {2, 2}},
        {{0, 1}, {1, 1}, {2, 1}, {-1, 1}},
    }};
    return rules[size_t(std::min<qsizetype>(characters, 4) - 2)];
}

QStringList charactersOf(QStringView text)
{
    QStringList characters;
    for (qsizetype at = 0; at < text.size();) {
        const QStringView character = characterAfter(text, at);
        characters.append(character.toString());
        at += character.size();
    }
    return characters;
}

} // namespace

bool isWord(QStringView text)
{
    const QStringList characters = charactersOf(text);
    return characters.size() >= 2 && std::all_of(characters.begin(), characters.end(), isChineseCharacter);
}

QString wordCodeOfFullCodes(const QStringList& fullCodes)
{
    if (fullCodes.size() < 2)
        return {};
    QString code;
    for (const LetterPick& pick : picksFor(fullCodes.size())) {
        const qsizetype at = pick.character < 0 ? fullCodes.size() + pick.character : pick.character;
        code += fullCodes[at].left(pick.letters);
    }
    return code;
}

WordCode wordCodeOf(const Dictionary& dictionary, QStringView word)
{
    WordCode result{word.toString(), {}, {}};
    QStringList fullCodes;
    for (const QString& character : charactersOf(word)) {
        const std::optional<CharRecord> record = dictionary.record(character);
        if (!record) {
            if (!result.missing.contains(character))
                result.missing.append(character);
            continue;
        }
        fullCodes.append(trimSpaces(record->Code1));
    }
    if (result.missing.isEmpty())
        result.code = wordCodeOfFullCodes(fullCodes);
    return result;
}

QString wordLine(const WordCode& word)
{
    if (!word.missing.isEmpty()) {
        QString named;
        for (const QString& character : word.missing)
            named += QStringLiteral("“%1”").arg(character);
        return QStringLiteral("词组 %1：%2尚未收录").arg(word.word, named);
    }
    return QStringLiteral("词组 %1 %2").arg(word.word, word.code);
}

QString insertedText(QStringView before, QStringView after)
{
    qsizetype start = 0;
    while (start < before.size() && start < after.size() && before[start] == after[start])
        ++start;
    qsizetype end = 0;
    while (end < before.size() - start && end < after.size() - start
           && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    // Never half a surrogate pair at either end.
    if (start > 0 && after[start - 1].isHighSurrogate())
        --start;
    if (end > 0 && after[after.size() - end].isLowSurrogate())
        --end;
    return after.mid(start, after.size() - start - end).toString();
}

} // namespace lumbrell
