#include "tools/data/pinyin_choice.h"

#include "tools/data/syllables.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <tuple>

namespace lumbrell::data {

namespace {
auto rankOf(const Reading& r, size_t position)
{
    const bool positiveShare = r.percent > 0;
    return std::make_tuple(positiveShare, positiveShare ? r.percent : 0.0, r.phraseUses, r.percent == 0,
                           -int(position));
}

// A second line may come only where the first table listing the character is the
// one of its usual reading and the usual line ends that table's run.
bool secondLineKeepsDisplay(const QString& usual, const QString& other)
{
    const int usualTable = pinyinTableOf(usual), otherTable = pinyinTableOf(other);
    if (otherTable != usualTable)
        return otherTable > usualTable;
    return other.toLatin1().leftJustified(6, ' ') < usual.toLatin1().leftJustified(6, ' ');
}

// The display passes over a line that directly follows a line of the same
// character, so two lines of one character must never meet within a table.
QSet<QByteArray> charactersWithAdjacentLines(std::vector<PinyinLine> lines)
{
    sortPinyinLines(lines);
    QSet<QByteArray> adjacent;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].gbk == lines[i - 1].gbk
            && pinyinTableOf(lines[i].syllable) == pinyinTableOf(lines[i - 1].syllable))
            adjacent.insert(lines[i].gbk);
    }
    return adjacent;
}
} // namespace

QString mostCommonReading(const std::vector<Reading>& readings)
{
    const QSet<QString>& chooser = chooserSyllables();
    const Reading* best = nullptr;
    size_t bestPosition = 0;
    for (size_t i = 0; i < readings.size(); ++i) {
        if (!chooser.contains(readings[i].syllable))
            continue;
        if (!best || rankOf(readings[i], i) > rankOf(*best, bestPosition)) {
            best = &readings[i];
            bestPosition = i;
        }
    }
    // A reading outside the chooser that outranks the best usable one is the
    // character's usual reading: showing another would mislead.
    for (size_t i = 0; best && i < readings.size(); ++i) {
        if (!chooser.contains(readings[i].syllable) && rankOf(readings[i], i) > rankOf(*best, bestPosition))
            return QString();
    }
    return best ? best->syllable : QString();
}

namespace {
// What the choice did, for the report.
struct ChoiceTally {
    QString unknown;    // characters the dictionary lacks
    QString unusable;   // characters whose usual reading is no chooser syllable
    QString corrected;  // characters whose usual reading was given
    QStringList ignoredCorrections;
    int byShare = 0;    // single reading or largest share
};

bool isReadingOf(const std::vector<Reading>& readings, const QString& syllable)
{
    return std::any_of(readings.begin(), readings.end(), [&](const Reading& r) { return r.syllable == syllable; });
}

// The lines of both kinds, less second lines that would meet a line of their
// character; dropping one can make others meet, so repeat until none do.
std::vector<PinyinLine> keepLinesApart(const std::vector<PinyinLine>& usualLines, std::vector<PinyinLine>& secondLines)
{
    while (true) {
        std::vector<PinyinLine> lines = usualLines;
        lines.insert(lines.end(), secondLines.begin(), secondLines.end());
        const QSet<QByteArray> adjacent = charactersWithAdjacentLines(lines);
        if (adjacent.isEmpty())
            return lines;
        std::erase_if(secondLines, [&](const PinyinLine& l) { return adjacent.contains(l.gbk); });
    }
}

void reportChoice(const ChoiceTally& tally, size_t characters, size_t usualLines, size_t secondLines,
                  QStringList& report)
{
    const size_t byOrder = usualLines - size_t(tally.byShare) - size_t(tally.corrected.size());
    report << QStringLiteral("luna_pinyin: %1 of %2 characters listed; %3 by a single reading or the largest "
                             "share, %4 by word use or dictionary order, %5 by usual_readings.tsv")
                  .arg(usualLines).arg(characters).arg(tally.byShare).arg(byOrder).arg(tally.corrected.size())
           << QStringLiteral("usual_readings.tsv: corrected %1: %2").arg(tally.corrected.size()).arg(tally.corrected)
           << QStringLiteral("usual_readings.tsv: %1 lines ignored (no such reading in luna_pinyin or the chooser): %2")
                  .arg(tally.ignoredCorrections.size()).arg(tally.ignoredCorrections.join(QStringLiteral(", ")))
           << QStringLiteral("luna_pinyin: %1 second lines for readings of at least %2%")
                  .arg(secondLines).arg(kCommonReadingPercent)
           << QStringLiteral("luna_pinyin: lacks %1 characters, left out of the pinyin tables: %2")
                  .arg(tally.unknown.size()).arg(tally.unknown)
           << QStringLiteral("luna_pinyin: %1 characters whose usual reading is no chooser syllable, left out: %2")
                  .arg(tally.unusable.size()).arg(tally.unusable);
}
} // namespace

std::vector<PinyinLine> choosePinyinLines(const std::vector<CharEntry>& chars, const ReadingMap& readings,
                                          const UsualReadings& usualReadings, QStringList& report)
{
    const QSet<QString>& chooser = chooserSyllables();
    std::vector<PinyinLine> usualLines, secondLines;
    ChoiceTally tally;
    for (const CharEntry& entry : chars) {
        const auto it = readings.find(entry.ch);
        if (it == readings.end()) {
            tally.unknown += entry.ch;
            continue;
        }
        const QString given = usualReadings.value(entry.ch);
        if (!given.isEmpty()) {
            if (isReadingOf(*it, given) && chooser.contains(given)) {
                // The dictionary's shares describe another character: no second lines from them.
                usualLines.push_back({entry.gbk, given});
                tally.corrected += entry.ch;
                continue;
            }
            tally.ignoredCorrections << entry.ch + u' ' + given;
        }
        const QString usual = mostCommonReading(*it);
        if (usual.isEmpty()) {
            tally.unusable += entry.ch;
            continue;
        }
        usualLines.push_back({entry.gbk, usual});
        const bool byShare = it->size() == 1 || std::any_of(it->begin(), it->end(), [&](const Reading& r) {
                                 return r.syllable == usual && r.percent > 0;
                             });
        tally.byShare += byShare ? 1 : 0;
        for (const Reading& r : *it) {
            if (r.syllable != usual && r.percent >= kCommonReadingPercent && chooser.contains(r.syllable)
                && secondLineKeepsDisplay(usual, r.syllable))
                secondLines.push_back({entry.gbk, r.syllable});
        }
    }
    std::vector<PinyinLine> lines = keepLinesApart(usualLines, secondLines);
    reportChoice(tally, chars.size(), usualLines.size(), secondLines.size(), report);
    return lines;
}

} // namespace lumbrell::data
