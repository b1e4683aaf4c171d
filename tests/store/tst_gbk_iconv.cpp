// The program's GBK table against glibc's iconv, which it was taken from:
// every one- and two-byte sequence decodes, and every character encodes, the
// same way through both.
#include "store/gbk.h"

#include <QTest>
#include <iconv.h>

using namespace lumbrell;

namespace {

// Converts through iconv; an invalid byte becomes U+FFFD (decoding) or fails
// the whole conversion (encoding, or when strict).
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool isOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<QByteArray> convert(const QByteArray& in, const char* replacement)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        QByteArray out;
        char buffer[64];
        char* src = const_cast<char*>(in.constData());
        size_t inLeft = static_cast<size_t>(in.size());
        while (inLeft > 0) {
            char* dst = buffer;
            size_t outLeft = sizeof buffer;
            const size_t rc = iconv(cd_, &src, &inLeft, &dst, &outLeft);
            out.append(buffer, dst - buffer);
            if (rc != static_cast<size_t>(-1) || errno == E2BIG)
                continue;
            if (!replacement)
                return std::nullopt;
            out.append(replacement);
            ++src;
            --inLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

} // namespace

class GbkIconvTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesEveryShortSequenceAsIconv();
    void encodesEveryCharacterAsIconv();
};

void GbkIconvTest::decodesEveryShortSequenceAsIconv()
{
    Iconv decoder("UTF-8", "GBK");
    QVERIFY(decoder.isOpen());
    int twoByteCharacters = 0;
    for (int first = 0; first <= 0xFF; ++first) {
        for (int second = -1; second <= 0xFF; ++second) {
            QByteArray bytes(1, static_cast<char>(first));
            if (second >= 0)
                bytes.append(static_cast<char>(second));
            const auto strict = decoder.convert(bytes, nullptr);
            const auto lenient = decoder.convert(bytes, "\xEF\xBF\xBD");
            const auto expectedStrict = strict ? std::optional(QString::fromUtf8(*strict)) : std::nullopt;
            if (fromGbkLenient(bytes) != QString::fromUtf8(*lenient) || fromGbkStrict(bytes) != expectedStrict)
                QFAIL(qPrintable(QStringLiteral("bytes %1 decode as %2, iconv says %3")
                                     .arg(QString::fromLatin1(bytes.toHex(' ')), fromGbkLenient(bytes),
                                          QString::fromUtf8(*lenient))));
            if (first >= 0x81 && bytes.size() == 2 && strict && QString::fromUtf8(*strict).size() == 1)
                ++twoByteCharacters;
        }
    }
    QCOMPARE(twoByteCharacters, 21791);
}

void GbkIconvTest::encodesEveryCharacterAsIconv()
{
    Iconv encoder("GBK", "UTF-8");
    QVERIFY(encoder.isOpen());
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const QString text = QString::fromUcs4(&c, 1);
        // A lone surrogate has no UTF-8 form: iconv gets one it must refuse.
        const QByteArray utf8 = c >= 0xD800 && c <= 0xDFFF ? QByteArray("\xED\xA0\x80") : text.toUtf8();
        const auto expected = encoder.convert(utf8, nullptr);
        if (toGbk(text) != expected)
            QFAIL(qPrintable(QStringLiteral("U+%1 encodes as %2, iconv says %3")
                                 .arg(quint32(c), 4, 16, QLatin1Char('0'))
                                 .arg(QString::fromLatin1(toGbk(text).value_or("none").toHex(' ')),
                                      QString::fromLatin1(expected.value_or("none").toHex(' ')))));
    }
}

QTEST_GUILESS_MAIN(GbkIconvTest)
#include "tst_gbk_iconv.moc"
