#pragma once

#include <QByteArray>
#include <cstdint>
#include <zstd.h>

namespace lumbrell::testing {

// Builders of fcitx5 table files for the reader's tests: big-endian words and
// the envelope of magic, version and one zstd stream.
inline void appendU32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

inline QByteArray tableEnvelope(const QByteArray& body, std::uint32_t magic = 0x000FCABE, std::uint32_t version = 2)
{
    QByteArray out;
    appendU32(out, magic);
    appendU32(out, version);
    QByteArray packed(qsizetype(ZSTD_compressBound(size_t(body.size()))), '\0');
    const size_t size = ZSTD_compress(packed.data(), size_t(packed.size()), body.data(), size_t(body.size()), 3);
    out.append(packed.first(qsizetype(size)));
    return out;
}

} // namespace lumbrell::testing
