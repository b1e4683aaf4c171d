#pragma once

#include "store/position_roots.h"
#include "store/record_file.h"
#include "tables/table_texts.h"

#include <QString>
#include <QStringList>

namespace lumbrell {

// The lookups of --print, made without a window: for each character of the
// text, in order, the same record search, code line and pinyin the window shows.
struct PrintedLookups {
    QStringList lines;          // "character TAB code TAB … TAB pinyin", codes shortest first
    QStringList withoutRecord;  // characters the data file has no record for
};

// With roots, each line ends with a field naming the roots of the code
// positions, separated by spaces ("山 夂 三 丨"); a character the roots do not
// list gets an empty field.
PrintedLookups printLookups(RecordFile& file, const TableTexts& tables, const QString& text,
                            const PositionRoots* roots = nullptr);

// The syllable the window's pinyin display would show for the character:
// the pinyin tables are searched in order and the first that lists it gives
// its last syllable. Empty when no table lists it.
QString pinyinOf(const TableTexts& tables, const QString& character);

} // namespace lumbrell
