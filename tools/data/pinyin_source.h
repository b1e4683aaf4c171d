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

// "lv" "nv" "lve" "nve" as the chooser writes them.
QString chooserSpelling(const QString& syllable);

} // namespace lumbrell::data
