// GBK conversion on every platform: known codes, the errors, and every
// two-byte code read and written back.
#include "store/gbk.h"

#include <QTest>

using namespace lumbrell;
using namespace Qt::StringLiterals;

class GbkTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodes_data();
    void decodes();
    void encodes_data();
    void encodes();
    void everyTwoByteCodeComesBack();
};

void GbkTest::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("ascii") << QByteArray("a1 ~") << u"a1 ~"_s << true;
    QTest::newRow("first code of GB2312") << QByteArray("\xB0\xA1") << u"啊"_s << true;
    QTest::newRow("one") << QByteArray("\xD2\xBB") << u"一"_s << true;
    QTest::newRow("a GBK addition") << QByteArray("\x8F\xAA") << u"彧"_s << true;
    QTest::newRow("euro on its own byte") << QByteArray("\x80") << u"€"_s << true;
    QTest::newRow("mixed") << QByteArray("a\xB0\xA1" "b") << u"a啊b"_s << true;
    QTest::newRow("FF has no character") << QByteArray("\xFF" "a") << u"\uFFFDa"_s << false;
    QTest::newRow("lead at the end") << QByteArray("a\xB0") << u"a\uFFFD"_s << false;
    QTest::newRow("lead before DEL") << QByteArray("\x81\x7F") << u"\uFFFD\x7F"_s << false;
    QTest::newRow("lead before a space") << QByteArray("\xB0 ") << u"\uFFFD "_s << false;
    QTest::newRow("user-defined area") << QByteArray("\xAA\xA1") << u"\uFFFD\uFFFD"_s << false;
}

void GbkTest::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(fromGbkLenient(bytes), text);
    QCOMPARE(fromGbkStrict(bytes).has_value(), valid);
    if (valid)
        QCOMPARE(*fromGbkStrict(bytes), text);
}

void GbkTest::encodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QByteArray>>("bytes");
    QTest::newRow("ascii") << u"ab"_s << std::optional(QByteArray("ab"));
    QTest::newRow("two-byte") << u"啊一彧"_s << std::optional(QByteArray("\xB0\xA1\xD2\xBB\x8F\xAA"));
    QTest::newRow("euro") << u"€"_s << std::optional(QByteArray("\x80"));
    QTest::newRow("nul") << QString(QChar(0)) << std::optional(QByteArray(1, '\0'));
    QTest::newRow("outside the basic plane") << u"😀"_s << std::optional<QByteArray>();
    QTest::newRow("private use") << u"\uE000"_s << std::optional<QByteArray>();
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << std::optional<QByteArray>();
    QTest::newRow("tag characters drop out") << u"a\U000E0041b"_s << std::optional(QByteArray("ab"));
}

void GbkTest::encodes()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QByteArray>, bytes);
    QCOMPARE(toGbk(text), bytes);
}

void GbkTest::everyTwoByteCodeComesBack()
{
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            QByteArray bytes;
            bytes.append(static_cast<char>(lead)).append(static_cast<char>(trail));
            const auto text = fromGbkStrict(bytes);
            if (!text)
                continue;
            ++characters;
            QCOMPARE(text->size(), 1);
            QCOMPARE(toGbk(*text), bytes);
            QCOMPARE(charKey(*text), charKeyOfBytes(bytes));
        }
    }
    QCOMPARE(characters, 21791);
}

QTEST_GUILESS_MAIN(GbkTest)
#include "tst_gbk.moc"
