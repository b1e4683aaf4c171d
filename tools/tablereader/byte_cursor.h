#pragma once
#include <QByteArrayView>
#include <cstdint>

namespace lumbrell::tablereader {

// Reads big-endian integers and byte runs from an untrusted buffer. Every read
// checks the bytes left; a failed read returns false and leaves the cursor where
// it was, so callers report the file as corrupt instead of reading past its end.
class ByteCursor {
public:
    explicit ByteCursor(QByteArrayView bytes) : bytes_(bytes) {}

    qsizetype remaining() const { return bytes_.size() - pos_; }
    qsizetype position() const { return pos_; }

    bool readU8(uint8_t& value)
    {
        if (remaining() < 1)
            return false;
        value = uint8_t(bytes_[pos_++]);
        return true;
    }

    bool readU32(uint32_t& value)
    {
        if (remaining() < 4)
            return false;
        value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | uint8_t(bytes_[pos_++]);
        return true;
    }

    bool readI32(int32_t& value)
    {
        uint32_t raw = 0;
        if (!readU32(raw))
            return false;
        value = int32_t(raw);
        return true;
    }

    // Hands out the next `count` bytes without copying them.
    bool take(uint64_t count, QByteArrayView& out)
    {
        if (count > uint64_t(remaining()))
            return false;
        out = bytes_.sliced(pos_, qsizetype(count));
        pos_ += qsizetype(count);
        return true;
    }

    bool skip(uint64_t count)
    {
        QByteArrayView ignored;
        return take(count, ignored);
    }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

} // namespace lumbrell::tablereader
