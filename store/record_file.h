#pragma once

#include "store/char_record.h"

#include <QFile>
#include <QString>

namespace lumbrell {

// The data file of character records, opened once and read by record number.
// There is no cache: every read goes to the file, so a change to the file
// while the program runs is seen by later reads.
class RecordFile {
public:
    // The program's 16-bit record numbers reach this far and no further.
    static constexpr int MaxRecords = record::MaxRecords;

    // Opens the file for reading. False, with a reason naming the path, when
    // it does not exist or cannot be opened; nothing is ever created.
    bool open(const QString& path, QString* error);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }

    // The file's length divided by the record size, not rounded.
    double recordCount() const;

    // Record n (from 1). A record beyond the end, or a number below 1, reads
    // with empty fields.
    CharRecord read(int recNo);

    // How many reads have been made; lets tests follow the search probe by probe.
    int readCount() const { return reads_; }

private:
    QFile file_;
    int reads_ = 0;
};

} // namespace lumbrell
