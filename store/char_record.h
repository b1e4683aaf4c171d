#pragma once

#include "formats/record_layout.h"

#include <QByteArray>
#include <QString>

namespace lumbrell {

// One record of the data file (formats/record_layout.h): fixed-width GBK
// fields padded with spaces, decoded as they stand (trailing spaces kept).
struct CharRecord {
    static constexpr int Size = record::Size;

    QString Hanzi;
    QString Code1;
    QString Code2;
    QString Code3;
    QString Info1;
    QString Info2;
    QString Info3;
    QString Info4;

    QByteArray hanziBytes; // the raw bytes of Hanzi, from which the record's key is taken

    QString& info(int position); // Info1 … Info4 for position 1 … 4

    // Splits one record's bytes at the field offsets; fewer than Size bytes give
    // the fields they reach, padded with spaces, and no bytes at all give empty
    // fields.
    static CharRecord fromBytes(const QByteArray& bytes);
};

} // namespace lumbrell
