#pragma once

#include "store/char_record.h"

#include <QByteArray>
#include <QString>

namespace lumbrell {

// The data file of character records (formats/record_layout.h), read whole
// when it is opened: later changes to the file are not seen. Records are
// numbered from 1, as the search counts them.
class RecordFile {
public:
    // The program's 16-bit record numbers reach this far and no further.
    static constexpr int MaxRecords = record::MaxRecords;

    // Reads the file. False, with a reason naming the path, when it does not
    // exist, is no plain file or cannot be read; nothing is ever created.
    bool open(const QString& path, QString* error);

    // The records of bytes as a file would hold them.
    static RecordFile fromBytes(const QByteArray& bytes);

    // How many records are searched: the file's length divided by the record
    // size, rounded halves to even (a record cut to half its size or more
    // counts), at most MaxRecords.
    int count() const { return count_; }

    // Record n (from 1). A number outside 1 … count() reads with empty fields;
    // a record the file cuts short is padded with spaces.
    CharRecord record(int number) const;

    // The key by which record n is ordered (store/gbk.h charKeyOfBytes);
    // records without key bytes sort above everything.
    int key(int number) const;

private:
    QByteArray recordBytes(int number) const;

    QByteArray bytes_; // the first count_ records, as read
    int count_ = 0;
};

} // namespace lumbrell
