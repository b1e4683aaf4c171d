#include "tools/tablereader/zstd_stream.h"

#include <memory>
#include <zstd.h>

namespace lumbrell::tablereader {

namespace {
struct DStreamDeleter {
    void operator()(ZSTD_DStream* stream) const { ZSTD_freeDStream(stream); }
};
} // namespace

std::optional<QByteArray> decompressZstd(QByteArrayView compressed, qsizetype limit, QString* error)
{
    std::unique_ptr<ZSTD_DStream, DStreamDeleter> stream(ZSTD_createDStream());
    if (!stream) {
        *error = QStringLiteral("out of memory for the zstd decoder");
        return std::nullopt;
    }
    ZSTD_initDStream(stream.get());

    QByteArray out;
    ZSTD_inBuffer in{compressed.data(), size_t(compressed.size()), 0};
    const size_t chunk = ZSTD_DStreamOutSize();
    size_t hint = 1;
    // The writer may close the data with a second, empty frame: read frames until the input ends.
    while (hint != 0 || in.pos < in.size) {
        const qsizetype used = out.size();
        if (used >= limit) {
            *error = QStringLiteral("compressed data expands beyond %1 bytes").arg(limit);
            return std::nullopt;
        }
        out.resize(used + qsizetype(chunk));
        ZSTD_outBuffer buffer{out.data() + used, chunk, 0};
        hint = ZSTD_decompressStream(stream.get(), &buffer, &in);
        out.resize(used + qsizetype(buffer.pos));
        if (ZSTD_isError(hint)) {
            *error = QStringLiteral("compressed data is damaged (%1)").arg(QString::fromUtf8(ZSTD_getErrorName(hint)));
            return std::nullopt;
        }
        // All input used and room left in the output while the frame is unfinished: it was cut short.
        if (hint != 0 && in.pos == in.size && buffer.pos < buffer.size) {
            *error = QStringLiteral("compressed data ends before the end of its frame");
            return std::nullopt;
        }
    }
    if (out.size() > limit) {
        *error = QStringLiteral("compressed data expands beyond %1 bytes").arg(limit);
        return std::nullopt;
    }
    return out;
}

} // namespace lumbrell::tablereader
