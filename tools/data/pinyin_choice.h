#pragma once
#include "tools/data/pinyin_source.h"
#include "tools/data/source_set.h"
#include "tools/data/table_lines.h"
#include "tools/data/usual_readings.h"

#include <QStringList>
#include <vector>

namespace lumbrell::data {

// A second reading with at least this share is common enough for a line of its own.
constexpr double kCommonReadingPercent = 5.0;

// The reading a character is shown with: the largest share the dictionary gives;
// without shares, the reading most words use; then a reading the dictionary
// lists with a share of 0% (its curated readings) before one it lists bare;
// then dictionary order. Readings outside the chooser's syllables are never
// chosen. Returns an empty text when no reading is usable.
QString mostCommonReading(const std::vector<Reading>& readings);

// The pinyin table lines: every character under its most common reading (the
// usual reading given for it, where one is), and under a common second reading
// only where the pinyin display, which shows the last line of the first table
// listing the character, still shows the most common one.
std::vector<PinyinLine> choosePinyinLines(const std::vector<CharEntry>& chars, const ReadingMap& readings,
                                          const UsualReadings& usualReadings, QStringList& report);

} // namespace lumbrell::data
