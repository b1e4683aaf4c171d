#pragma once
#include "tools/sources/source_set.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

namespace lumbrell::data {

// Five digits: the classes of strokes 1 to 4 (0 past the last stroke), then the
// class of the last stroke when there are five or more strokes, else 0.
QByteArray strokeCode(const QString& strokeClasses);

// One line of a pinyin table before it is written.
struct PinyinLine {
    QByteArray gbk;   // the character
    QString syllable; // one of the table syllables
    int rank = 0;     // the character's place in use order (useRanks)
};

// Each character's place when candidates are listed by use: GB2312 level 1,
// then level 2, then GBK's additions, each most used first (then by GBK code).
std::vector<int> useRanks(const std::vector<CharEntry>& chars);

// Which of the five pinyin tables holds a syllable: by its first letter,
// a-e, f-k, l-q, r-x, y-z (0-based).
int pinyinTableOf(const QString& syllable);

// The table order: by the six-column syllable field, then by use (rank), then by GBK code.
void sortPinyinLines(std::vector<PinyinLine>& lines);

// The five stroke tables: "character + five digits" CR LF, by code and then by
// use (useRanks), grouped by the first digit.
std::array<QByteArray, 5> strokeTables(const std::vector<CharEntry>& chars);

// The five pinyin tables: "character + syllable padded to six" CR LF in table
// order, each closed by a line of eight spaces.
std::array<QByteArray, 5> pinyinTables(std::vector<PinyinLine> lines);

} // namespace lumbrell::data
