#include "tools/data/pinyin_choice.h"

#include "tools/data/table_syllables.h"

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
    const QSet<QString>& usable = tableSyllables();
    const Reading* best = nullptr;
    size_t bestPosition = 0;
    for (size_t i = 0; i < readings.size(); ++i) {
        if (!usable.contains(readings[i].syllable))
            continue;
        if (!best || rankOf(readings[i], i) > rankOf(*best, bestPosition)) {
            best = &readings[i];
            bestPosition = i;
        }
    }
    return best ? best->syllable : QString();
}

namespace {
// What the choice did, for the report.
struct ChoiceTally {
    QString unknown;    // characters neither dictionary knows
    QString unusable;   // characters with no reading among the table syllables
    QString corrected;  // characters whose usual reading was given
    QStringList ignoredCorrections;
    int byShare = 0;    // single reading or largest share
    int fromSimp = 0;   // read from pinyin_simp
    int fromLuna = 0;   // read from luna_pinyin, which pinyin_simp lacks or gives no weight
    int additionsFromLuna = 0;
};

// pinyin_simp where it weighs the character's use; luna_pinyin where it does not
// know the character or gives all its readings no weight.
const std::vector<Reading>* readingsOf(const CharEntry& entry, const ReadingMap& simp, const ReadingMap& luna,
                                       ChoiceTally& tally)
{
    const auto s = simp.find(entry.ch);
    const bool weighed = s != simp.end() && std::any_of(s->begin(), s->end(), [](const Reading& r) { return r.percent > 0; });
    const auto l = luna.find(entry.ch);
    if (!weighed && l != luna.end()) {
        ++tally.fromLuna;
        tally.additionsFromLuna += entry.set == CharSet::Addition;
        return &*l;
    }
    if (s != simp.end()) {
        ++tally.fromSimp;
        return &*s;
    }
    return nullptr;
}

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
    report << QStringLiteral("pinyin: %1 of %2 characters listed; %3 by a single reading or the largest "
                             "share, %4 by word use or dictionary order, %5 by usual_readings.tsv")
                  .arg(usualLines).arg(characters).arg(tally.byShare).arg(byOrder).arg(tally.corrected.size())
           << QStringLiteral("pinyin: %1 characters read from pinyin_simp, %2 from luna_pinyin (pinyin_simp lacks them "
                             "or gives them no weight; %3 of them GBK additions)")
                  .arg(tally.fromSimp).arg(tally.fromLuna).arg(tally.additionsFromLuna)
           << QStringLiteral("usual_readings.tsv: %1 corrections applied: %2").arg(tally.corrected.size()).arg(tally.corrected)
           << QStringLiteral("usual_readings.tsv: %1 lines ignored (no such reading in the dictionary or the tables): %2")
                  .arg(tally.ignoredCorrections.size()).arg(tally.ignoredCorrections.join(QStringLiteral(", ")))
           << QStringLiteral("pinyin: %1 second lines for readings of at least %2%")
                  .arg(secondLines).arg(kCommonReadingPercent)
           << QStringLiteral("pinyin: %1 characters neither pinyin_simp nor luna_pinyin knows, left out of the pinyin "
                             "tables: %2").arg(tally.unknown.size()).arg(tally.unknown)
           << QStringLiteral("pinyin: %1 characters with no reading among the table syllables, left out: %2")
                  .arg(tally.unusable.size()).arg(tally.unusable);
}
} // namespace

std::vector<PinyinLine> choosePinyinLines(const std::vector<CharEntry>& chars, const ReadingMap& simp,
                                          const ReadingMap& luna, const UsualReadings& usualReadings,
                                          QStringList& report)
{
    const QSet<QString>& usable = tableSyllables();
    std::vector<PinyinLine> usualLines, secondLines;
    ChoiceTally tally;
    const std::vector<int> ranks = useRanks(chars);
    for (size_t c = 0; c < chars.size(); ++c) {
        const CharEntry& entry = chars[c];
        const int rank = ranks[c];
        const std::vector<Reading>* it = readingsOf(entry, simp, luna, tally);
        if (!it) {
            tally.unknown += entry.ch;
            continue;
        }
        const QString given = usualReadings.value(entry.ch);
        if (!given.isEmpty()) {
            if (isReadingOf(*it, given) && usable.contains(given)) {
                // The dictionary's shares describe another character: no second lines from them.
                usualLines.push_back({entry.gbk, given, rank});
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
        usualLines.push_back({entry.gbk, usual, rank});
        const bool byShare = it->size() == 1 || std::any_of(it->begin(), it->end(), [&](const Reading& r) {
                                 return r.syllable == usual && r.percent > 0;
                             });
        tally.byShare += byShare ? 1 : 0;
        for (const Reading& r : *it) {
            if (r.syllable != usual && r.percent >= kCommonReadingPercent && usable.contains(r.syllable)
                && secondLineKeepsDisplay(usual, r.syllable))
                secondLines.push_back({entry.gbk, r.syllable, rank});
        }
    }
    std::vector<PinyinLine> lines = keepLinesApart(usualLines, secondLines);
    reportChoice(tally, chars.size(), usualLines.size(), secondLines.size(), report);
    return lines;
}

std::vector<PinyinLine> listEverySyllable(std::vector<PinyinLine> lines, const std::vector<CharEntry>& chars,
                                          const ReadingMap& simp, const ReadingMap& luna, QStringList& report)
{
    QSet<QString> listed;
    for (const PinyinLine& line : lines)
        listed.insert(line.syllable);
    const std::vector<int> ranks = useRanks(chars);
    ChoiceTally unused;
    QStringList filled;
    for (const QString& syllable : chooserSyllables()) {
        if (listed.contains(syllable))
            continue;
        std::vector<std::pair<double, size_t>> users; // (use of this reading, character)
        for (size_t c = 0; c < chars.size(); ++c) {
            if (const std::vector<Reading>* readings = readingsOf(chars[c], simp, luna, unused))
                for (const Reading& r : *readings)
                    if (r.syllable == syllable)
                        users.emplace_back(std::max(r.percent, 0.0) * double(chars[c].frequency + 1), c);
        }
        std::sort(users.begin(), users.end(), [&](const auto& a, const auto& b) {
            return a.first != b.first ? a.first > b.first : ranks[a.second] < ranks[b.second];
        });
        for (const auto& [use, c] : users) {
            std::vector<PinyinLine> tried = lines;
            tried.push_back({chars[c].gbk, syllable, ranks[c]});
            if (charactersWithAdjacentLines(tried).contains(chars[c].gbk))
                continue;
            lines = std::move(tried);
            filled << chars[c].ch + u' ' + syllable;
            break;
        }
    }
    report << QStringLiteral("pinyin: %1 lines for chooser syllables no usual or common reading gives: %2")
                  .arg(filled.size()).arg(filled.join(QStringLiteral(", ")));
    return lines;
}

} // namespace lumbrell::data
