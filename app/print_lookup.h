#pragma once

#include "lookup/dictionary.h"

#include <QString>
#include <QStringList>

namespace lumbrell {

// The lookups of --print, made without a window: for each character of the
// text, in order, the record, codes and pinyin the window shows.
struct PrintedLookups {
    QStringList lines;          // "character TAB code TAB … TAB pinyin", codes shortest first
    QStringList withoutRecord;  // characters the data file has no record for
};

PrintedLookups printLookups(const Dictionary& dictionary, const QString& text);

} // namespace lumbrell
