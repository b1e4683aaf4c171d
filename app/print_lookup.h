#pragma once

#include "lookup/dictionary.h"
#include "store/position_roots.h"

#include <QString>
#include <QStringList>

namespace lumbrell {

// The lookups of --print, made without a window: for each character of the
// text, in order, the record, codes and pinyin the window shows.
struct PrintedLookups {
    QStringList lines;          // "character TAB code TAB … TAB pinyin", codes shortest first
    QStringList withoutRecord;  // characters the data file has no record for
};

// With roots, each line ends with a field naming the roots of the code
// positions, separated by spaces ("山 夂 三 丨"); a character the roots do not
// list gets an empty field.
PrintedLookups printLookups(const Dictionary& dictionary, const QString& text,
                            const PositionRoots* roots = nullptr);

// The codes of --print --word: for each word of the text (separated by
// spaces), "word TAB code"; a word with a character that has no record gets
// no line, and the character is named once.
PrintedLookups printWordCodes(const Dictionary& dictionary, const QString& text);

} // namespace lumbrell
