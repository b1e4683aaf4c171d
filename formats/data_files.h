#pragma once
// The names of the files the data builder writes and the program reads.
//   <data folder>/wwbb11.dat        the character records (formats/record_layout.h)
//   <data folder>/bmp/<char>.bmp    the drawings (formats/drawing_scale.h)
//   tables/Text1bh1 … 5.txt         the pinyin tables, one per syllable group
//   tables/Text1bh1w … 5w.txt       the stroke tables, one per first stroke
// (formats/table_line_format.h); the program carries the tables inside itself.
#include "formats/table_line_format.h"

#include <QString>

namespace lumbrell::datafiles {

inline constexpr char RecordFile[] = "wwbb11.dat";
inline constexpr char DrawingFolder[] = "bmp";
inline constexpr char TableFolder[] = "tables";

// The file name of pinyin table `index` (0 … 4), without a folder.
inline QString pinyinTableName(int index) { return QStringLiteral("Text1bh%1.txt").arg(index + 1); }
// The file name of the stroke table of first stroke `index + 1` (0 … 4).
inline QString strokeTableName(int index) { return QStringLiteral("Text1bh%1w.txt").arg(index + 1); }

} // namespace lumbrell::datafiles
