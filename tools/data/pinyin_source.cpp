#include "tools/data/pinyin_source.h"

#include "tools/data/text_file.h"

#include <algorithm>
#include <numeric>

namespace lumbrell::data {

namespace {
double percentOf(QStringView token)
{
    if (!token.endsWith(u'%'))
        return -1;
    bool ok = false;
    const double value = token.chopped(1).toDouble(&ok);
    return ok ? value : -1;
}

void addReading(ReadingMap& readings, const QString& ch, QStringView syllable, double percent)
{
    std::vector<Reading>& list = readings[ch];
    const QString spelled = chooserSpelling(syllable.toString());
    for (const Reading& r : list) {
        if (r.syllable == spelled)
            return; // lv and lu spelled alike
    }
    list.push_back({spelled, percent, 0});
}

void countWordUses(ReadingMap& readings, QStringView word, const QList<QStringView>& syllables)
{
    const QList<uint> chars = word.toUcs4();
    if (chars.size() != syllables.size())
        return;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        if (chars[i] > 0xFFFF)
            continue;
        auto it = readings.find(QString(QChar(char16_t(chars[i]))));
        if (it == readings.end())
            continue;
        const QString spelled = chooserSpelling(syllables[i].toString());
        for (Reading& r : *it) {
            if (r.syllable == spelled)
                ++r.phraseUses;
        }
    }
}
} // namespace

QString chooserSpelling(const QString& syllable)
{
    if (syllable == u"lv" || syllable == u"nv" || syllable == u"lve" || syllable == u"nve")
        return syllable.first(1) + u'u' + syllable.sliced(2);
    return syllable;
}

std::optional<ReadingMap> readLunaPinyin(const QString& path, QString* error)
{
    const std::optional<QString> text = readUtf8File(path, error);
    if (!text)
        return std::nullopt;
    ReadingMap readings;
    std::vector<std::pair<QStringView, QList<QStringView>>> words;
    bool inBody = false;
    for (QStringView line : QStringView(*text).split(u'\n')) {
        if (!inBody) {
            inBody = line.trimmed() == u"...";
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() < 2 || fields[0].isEmpty())
            continue;
        const QList<QStringView> syllables = fields[1].split(u' ', Qt::SkipEmptyParts);
        if (syllables.isEmpty())
            continue;
        if (fields[0].size() == 1) {
            // A stray space can carry the share in the syllable field ("yong  0%").
            const double percent = fields.size() > 2 ? percentOf(fields[2].trimmed())
                                   : syllables.size() > 1 ? percentOf(syllables[1]) : -1;
            addReading(readings, fields[0].toString(), syllables[0], percent);
        } else {
            words.emplace_back(fields[0], syllables);
        }
    }
    if (readings.isEmpty()) {
        *error = QStringLiteral("%1: no character readings found; reinstall the Debian package "
                                "rime-data-luna-pinyin").arg(path);
        return std::nullopt;
    }
    for (const auto& [word, syllables] : words)
        countWordUses(readings, word, syllables);
    return readings;
}

std::optional<SimplifiedReadings> readPinyinSimp(const QString& path, QString* error)
{
    const std::optional<QString> text = readUtf8File(path, error);
    if (!text)
        return std::nullopt;
    SimplifiedReadings simp;
    QHash<QString, std::vector<qint64>> weightsOf; // per reading, in dictionary order
    bool inBody = false;
    for (QStringView line : QStringView(*text).split(u'\n')) {
        if (!inBody) {
            inBody = line.trimmed() == u"...";
            continue;
        }
        const QList<QStringView> fields = line.split(u'\t');
        if (line.startsWith(u'#') || fields.size() < 2 || fields[0].size() != 1 || fields[1].trimmed().isEmpty())
            continue;
        const QString ch = fields[0].toString();
        const QString spelled = chooserSpelling(fields[1].trimmed().toString());
        bool ok = false;
        const qint64 weight = fields.size() > 2 ? std::max<qint64>(0, fields[2].trimmed().toLongLong(&ok)) : 0;
        std::vector<Reading>& list = simp.readings[ch];
        std::vector<qint64>& weights = weightsOf[ch];
        const auto known = std::find_if(list.begin(), list.end(), [&](const Reading& r) { return r.syllable == spelled; });
        if (known == list.end()) {
            list.push_back({spelled, 0, 0});
            weights.push_back(weight);
        } else {
            weights[size_t(known - list.begin())] += weight; // lv and lu spelled alike
        }
    }
    if (simp.readings.isEmpty()) {
        *error = QStringLiteral("%1: no character readings found; reinstall the Debian package "
                                "rime-data-pinyin-simp").arg(path);
        return std::nullopt;
    }
    for (auto it = simp.readings.begin(); it != simp.readings.end(); ++it) {
        const std::vector<qint64>& weights = weightsOf[it.key()];
        const qint64 sum = std::accumulate(weights.begin(), weights.end(), qint64(0));
        simp.weights.insert(it.key(), sum);
        for (size_t i = 0; i < it->size(); ++i)
            (*it)[i].percent = sum > 0 ? 100.0 * double(weights[i]) / double(sum) : 0.0;
    }
    return simp;
}

} // namespace lumbrell::data
