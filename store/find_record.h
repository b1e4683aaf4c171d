#pragma once

#include "store/char_record.h"
#include "store/record_file.h"
#include "store/rounding.h"

#include <QString>
#include <QStringView>

namespace lumbrell {

// What the bisection over the data file leaves behind.
struct FindResult {
    bool found = false;
    int recNo = 1;       // the record found, or the last record read
    CharRecord rec;      // the last record read (not always the one found)
    QString lowHanzi;    // Hanzi last shown for the lower bound / middle probe
    QString highHanzi;   // Hanzi last shown for the upper bound
    bool readAny = false;
};

// Finds the record of the first character of query by bisection over record
// numbers, one file read per probe: both bounds are read at the start of every
// pass, lower first, then the middle record while the key lies strictly inside.
// Only the first MaxRecords records are searched. A character that GBK cannot
// encode has no record.
FindResult findRecord(RecordFile& file, QStringView query);

} // namespace lumbrell
