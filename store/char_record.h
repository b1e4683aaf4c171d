#pragma once

#include <QByteArray>
#include <QString>

namespace lumbrell {

// One 302-byte record of the data file: fixed-width GBK fields padded with
// spaces, decoded as they stand (trailing spaces kept).
struct CharRecord {
    static constexpr int Size = 302;

    QString Hanzi; // 2 bytes at 0
    QString Code1; // 4 bytes at 2
    QString Code2; // 4 bytes at 6
    QString Code3; // 4 bytes at 10
    QString Info1; // 72 bytes at 14
    QString Info2; // 72 bytes at 86
    QString Info3; // 72 bytes at 158
    QString Info4; // 72 bytes at 230

    QByteArray hanziBytes; // the raw bytes of Hanzi, from which the record's key is taken

    QString& info(int position); // Info1 … Info4 for position 1 … 4

    // Splits one record's bytes at the field offsets; fewer than 302 bytes give
    // the fields they reach, padded with spaces, and no bytes at all give empty
    // fields.
    static CharRecord fromBytes(const QByteArray& bytes);
};

} // namespace lumbrell
