#include "tools/data/gbk.h"

#include <cerrno>
#include <iconv.h>

namespace lumbrell::data {

namespace {
// One iconv conversion descriptor, reset before each whole-text conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != iconv_t(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::optional<QByteArray> convert(const QByteArray& in)
    {
        if (cd_ == iconv_t(-1))
            return std::nullopt;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        QByteArray out(in.size() * 4 + 8, '\0');
        char* inPtr = const_cast<char*>(in.constData());
        size_t inLeft = size_t(in.size());
        char* outPtr = out.data();
        size_t outLeft = size_t(out.size());
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)
            || iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == size_t(-1))
            return std::nullopt;
        out.resize(out.size() - qsizetype(outLeft));
        return out;
    }

private:
    iconv_t cd_;
};
} // namespace

std::optional<QByteArray> toGbk(const QString& text)
{
    Converter converter("GBK", "UTF-8");
    return converter.convert(text.toUtf8());
}

std::optional<QString> fromGbk(const QByteArray& bytes)
{
    Converter converter("UTF-8", "GBK");
    const std::optional<QByteArray> utf8 = converter.convert(bytes);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

std::vector<std::pair<QByteArray, QString>> gb2312Characters()
{
    Converter converter("UTF-8", "GB2312");
    std::vector<std::pair<QByteArray, QString>> chars;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const char bytes[] = {char(lead), char(trail)};
            const QByteArray code(bytes, 2);
            const std::optional<QByteArray> utf8 = converter.convert(code);
            if (utf8 && !utf8->isEmpty())
                chars.emplace_back(code, QString::fromUtf8(*utf8));
        }
    }
    return chars;
}

} // namespace lumbrell::data
