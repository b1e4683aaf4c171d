#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace lumbrell::tablereader {

// One (code, word) pair of an fcitx5 table. Among the words of one code, the
// smallest order is the first candidate.
struct TableEntry {
    QByteArray code;
    QString word;
    int32_t order = 0;
};

// Parses the binary table file held in `bytes` (for example
// wubi98-single.main.dict). The bytes are untrusted: anything that does not fit
// the layout gives std::nullopt and a message in *error, never a read outside
// the buffer.
std::optional<std::vector<TableEntry>> parseTable(QByteArrayView bytes, QString* error);

// Reads and parses a table file; the message names the file.
std::optional<std::vector<TableEntry>> readTableFile(const QString& path, QString* error);

} // namespace lumbrell::tablereader
