#pragma once
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

namespace lumbrell::data {

// One reading of a character in rime's luna_pinyin dictionary.
struct Reading {
    QString syllable;     // toneless, ü written u
    double percent = -1;  // the share the dictionary gives it, -1 where it gives none
    int phraseUses = 0;   // words of the dictionary that read the character this way
};

// Character -> its readings in dictionary order.
using ReadingMap = QHash<QString, std::vector<Reading>>;

// Reads luna_pinyin.dict.yaml: lines "character TAB syllable [TAB percent]" and
// the words, whose readings count as uses of their characters' readings.
std::optional<ReadingMap> readLunaPinyin(const QString& path, QString* error);

// rime's pinyin_simp dictionary: readings weighted by simplified-Chinese use.
struct SimplifiedReadings {
    ReadingMap readings;            // percent = the reading's share of the character's weights (0 where all are 0)
    QHash<QString, qint64> weights; // character -> the sum of its weights: how much it is used
};

// Reads pinyin_simp.dict.yaml: lines "character TAB syllable TAB weight"; word lines are passed over.
std::optional<SimplifiedReadings> readPinyinSimp(const QString& path, QString* error);

// "lv" "nv" "lve" "nve" as the chooser writes them.
QString chooserSpelling(const QString& syllable);

} // namespace lumbrell::data
