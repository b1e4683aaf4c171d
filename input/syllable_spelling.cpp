#include "input/syllable_spelling.h"

#include "store/spaces.h"
#include "tables/syllables.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace lumbrell {
namespace {

constexpr char16_t UUmlaut = u'ü';

// The combining marks of the four tones (and the breve often typed for the
// third), which change no syllable; the diaeresis is no tone mark.
bool isToneMark(char16_t mark)
{
    constexpr std::array<char16_t, 5> marks = {0x0300, 0x0301, 0x0304, 0x0306, 0x030C};
    return std::find(marks.begin(), marks.end(), mark) != marks.end();
}

// Every syllable that holds ü, as the chooser writes it. After l and n the
// chooser keeps u for ü (lu lists 绿 and 路); after j q x y pinyin itself
// writes ü as u.
const QHash<QString, QString>& umlautSyllables()
{
    static const QHash<QString, QString> syllables = [] {
        struct Finals {
            QString initials;
            QStringList finals;
        };
        const std::array<Finals, 2> rows = {{
            {QStringLiteral("ln"), {QStringLiteral("ü"), QStringLiteral("üe")}},
            {QStringLiteral("jqxy"),
             {QStringLiteral("ü"), QStringLiteral("üe"), QStringLiteral("üan"), QStringLiteral("ün")}},
        }};
        QHash<QString, QString> table;
        for (const Finals& row : rows)
            for (const QChar initial : row.initials)
                for (const QString& final : row.finals) {
                    const QString spelled = initial + final;
                    table.insert(spelled, QString(spelled).replace(UUmlaut, u'u'));
                }
        return table;
    }();
    return syllables;
}

// Small letters without tone marks, ü for v, u: and u with a diaeresis.
QString lettersWithoutTones(QStringView typed)
{
    const QString decomposed = trimSpaces(typed).toLower().normalized(QString::NormalizationForm_D);
    QString letters;
    for (const QChar c : decomposed) {
        if (isToneMark(c.unicode()))
            continue;
        if (c == QChar(0x0308) && letters.endsWith(u'u'))
            letters.back() = UUmlaut;
        else
            letters += c;
    }
    return letters.replace(QStringLiteral("u:"), QString(UUmlaut)).replace(u'v', UUmlaut);
}

// A trailing tone digit, after at least one letter, is dropped.
QString withoutToneDigit(QString letters)
{
    if (letters.size() > 1 && letters.back() >= u'1' && letters.back() <= u'5')
        letters.chop(1);
    return letters;
}

} // namespace

std::optional<QString> chooserSyllableOf(QStringView typed)
{
    QString syllable = withoutToneDigit(lettersWithoutTones(typed));
    if (syllable.contains(UUmlaut)) {
        const auto chooserSpelling = umlautSyllables().constFind(syllable);
        if (chooserSpelling == umlautSyllables().cend())
            return std::nullopt;
        syllable = *chooserSpelling;
    }
    if (!chooserSyllables().contains(syllable))
        return std::nullopt;
    return syllable;
}

} // namespace lumbrell
