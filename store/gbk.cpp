#include "store/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace lumbrell {
namespace {

// One iconv descriptor per direction, reset before each use. The program runs
// on one thread, the data tools may not: guard them.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. On an invalid or incomplete sequence, calls
    // onInvalid(out), skips one input byte and goes on, unless onInvalid is null,
    // in which case the conversion fails.
    template <typename OnInvalid>
    bool convert(const char* in, size_t inLeft, QByteArray& out, OnInvalid onInvalid)
    {
        std::lock_guard lock(mutex_);
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[1024];
        char* src = const_cast<char*>(in);
        while (inLeft > 0) {
            char* dst = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(cd_, &src, &inLeft, &dst, &outLeft);
            out.append(buffer, static_cast<qsizetype>(dst - buffer));
            if (rc != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            if (!onInvalid(out))
                return false;
            ++src;
            --inLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return true;
    }

private:
    iconv_t cd_;
    std::mutex mutex_;
};

Converter& decoder()
{
    static Converter c("UTF-8", "GBK");
    return c;
}

Converter& encoder()
{
    static Converter c("GBK", "UTF-8");
    return c;
}

} // namespace

QString fromGbk(const QByteArray& bytes)
{
    QByteArray utf8;
    utf8.reserve(bytes.size() * 3 / 2);
    decoder().convert(bytes.constData(), static_cast<size_t>(bytes.size()), utf8, [](QByteArray& out) {
        out.append("\xEF\xBF\xBD");
        return true;
    });
    return QString::fromUtf8(utf8);
}

std::optional<QString> fromGbkStrict(const QByteArray& bytes)
{
    QByteArray utf8;
    if (!decoder().convert(bytes.constData(), static_cast<size_t>(bytes.size()), utf8, [](QByteArray&) { return false; }))
        return std::nullopt;
    return QString::fromUtf8(utf8);
}

std::optional<QByteArray> toGbk(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray gbk;
    gbk.reserve(utf8.size());
    if (!encoder().convert(utf8.constData(), static_cast<size_t>(utf8.size()), gbk, [](QByteArray&) { return false; }))
        return std::nullopt;
    return gbk;
}

QStringView firstCharacter(QStringView text)
{
    if (text.isEmpty())
        return {};
    if (text.size() >= 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return text.first(2);
    return text.first(1);
}

std::optional<int> charKeyOfBytes(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return lead;
    if (bytes.size() < 2)
        return std::nullopt;
    const auto trail = static_cast<unsigned char>(bytes[1]);
    return static_cast<int>(static_cast<std::int16_t>(static_cast<std::uint16_t>(lead << 8 | trail)));
}

std::optional<int> charKey(QStringView character)
{
    const QStringView first = firstCharacter(character);
    if (first.isEmpty())
        return std::nullopt;
    const auto bytes = toGbk(first);
    if (!bytes || bytes->isEmpty())
        return std::nullopt;
    return charKeyOfBytes(*bytes);
}

bool isDoubleByte(QStringView text)
{
    const auto key = charKey(text);
    return key && *key < 0;
}

} // namespace lumbrell
