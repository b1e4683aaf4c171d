#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace lumbrell::tablereader {

// Decompresses a zstd stream (one or more frames, all complete). Output beyond `limit` bytes is refused, so a
// hostile file cannot make the reader allocate without bound.
std::optional<QByteArray> decompressZstd(QByteArrayView compressed, qsizetype limit, QString* error);

} // namespace lumbrell::tablereader
