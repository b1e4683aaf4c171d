#pragma once
#include "tools/data/pinyin_source.h"
#include "tools/sources/source_set.h"
#include "tools/data/table_writer.h"
#include "tools/data/usual_readings.h"

#include <QStringList>
#include <vector>

namespace lumbrell::data {

// A second reading with at least this share is common enough for a line of its own.
constexpr double kCommonReadingPercent = 5.0;

// The reading a character is shown with: the largest share the dictionary gives;
// without shares, the reading most words use; then a reading the dictionary
// lists with a share of 0% (its curated readings) before one it lists bare;
// then dictionary order. Readings outside the table syllables are never
// chosen. Returns an empty text when no reading is usable.
QString mostCommonReading(const std::vector<Reading>& readings);

// The pinyin table lines: every character under its most common reading (the
// usual reading given for it, where one is), and under a common second reading
// only where the pinyin display, which shows the last line of the first table
// listing the character, still shows the most common one. Readings come from
// simp (weighted by simplified use) and, for characters it lacks or leaves
// unweighted, from luna.
std::vector<PinyinLine> choosePinyinLines(const std::vector<CharEntry>& chars, const ReadingMap& simp,
                                          const ReadingMap& luna, const UsualReadings& usualReadings,
                                          QStringList& report);

// Lines for the chooser's syllables that no line holds yet: each lists the
// character that uses the reading most (诶 "ei", whose "e" weighs the same),
// where that line meets no other line of the character; a syllable chosen
// must never list nothing.
std::vector<PinyinLine> listEverySyllable(std::vector<PinyinLine> lines, const std::vector<CharEntry>& chars,
                                          const ReadingMap& simp, const ReadingMap& luna, QStringList& report);

} // namespace lumbrell::data
