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

// The name of pinyin table `index` (0 … 4) without its extension, as reports name it.
inline QString pinyinTableStem(int index) { return QStringLiteral("Text1bh%1").arg(index + 1); }
// The name of the stroke table of first stroke `index + 1` (0 … 4) without its extension.
inline QString strokeTableStem(int index) { return QStringLiteral("Text1bh%1w").arg(index + 1); }

// The file names of the tables, without a folder.
inline QString pinyinTableName(int index) { return pinyinTableStem(index) + QStringLiteral(".txt"); }
inline QString strokeTableName(int index) { return strokeTableStem(index) + QStringLiteral(".txt"); }

} // namespace lumbrell::datafiles
