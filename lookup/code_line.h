#pragma once

#include "store/char_record.h"

#include <QString>
#include <QStringList>

namespace lumbrell {

// The code line of a record, built from the captions that hold Code3, Code2
// and Code1: the codes from the shortest to the longest, each once, separated
// by two spaces. Four forms cover the records of the data file; code lengths
// that fit none of them are shown in the same spirit.
QString buildCodeLine(const QString& code3, const QString& code2, const QString& code1);

// The codes of a record as its code line shows them, shortest first.
QStringList codesOf(const CharRecord& record);

} // namespace lumbrell
