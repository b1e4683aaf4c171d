#pragma once

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

PrintedLookups printLookups(RecordFile& file, const TableTexts& tables, const QString& text);

// The codes of --print --word: for each word of the text (separated by
// spaces), "word TAB code"; a word with a character that has no record gets
// no line, and the character is named once.
PrintedLookups printWordCodes(RecordFile& file, const QString& text);

// The syllable the window's pinyin display would show for the character:
// the pinyin tables are searched in order and the first that lists it gives
// its last syllable. Empty when no table lists it.
QString pinyinOf(const TableTexts& tables, const QString& character);

} // namespace lumbrell
