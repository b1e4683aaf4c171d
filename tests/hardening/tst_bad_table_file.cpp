// The fcitx5 table reader on damage its own tests do not make: the real
// table's body overwritten all along its length, settings whose counts run
// past the data, other versions, and a body that expands without end.
#include "tools/tablereader/table_file.h"
#include "tools/tablereader/zstd_stream.h"
#include "tests/support/table_file_bytes.h"

#include <QFile>
#include <QTest>
#include <zstd.h>

using lumbrell::tablereader::decompressZstd;
using lumbrell::tablereader::parseTable;

using lumbrell::testing::appendU32;

namespace {

// Magic and version with nothing after them.
QByteArray header(quint32 version = 2)
{
    QByteArray out;
    appendU32(out, 0x000FCABE);
    appendU32(out, version);
    return out;
}

QByteArray tableFile(const QByteArray& body, quint32 version = 2)
{
    return lumbrell::testing::tableEnvelope(body, 0x000FCABE, version);
}

QByteArray words(std::initializer_list<quint32> values)
{
    QByteArray out;
    for (quint32 v : values)
        appendU32(out, v);
    return out;
}

} // namespace

class BadTableFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refusedWithAReason_data();
    void refusedWithAReason();
    void endlessBodyIsRefused();
    void realBodyOverwrittenAnywhere();
};

void BadTableFileTest::refusedWithAReason_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray body = words({0, 0, 0, 4, 0, 0, 0, 0, 0});
    QTest::newRow("version 0") << tableFile(body, 0) << "version 0";
    QTest::newRow("version 1") << tableFile(body, 1) << "version 1";
    QTest::newRow("version 0xFFFFFFFF") << tableFile(body, 0xFFFFFFFF) << "version 4294967295";
    QTest::newRow("header alone") << header() << "ends before";
    QTest::newRow("input keys past the end") << tableFile(words({0, 0, 0, 4, 0xFFFFFFFF})) << "settings";
    QTest::newRow("ignored characters past the end") << tableFile(words({0, 0, 0, 4, 0, 0x40000000})) << "settings";
    QTest::newRow("rules past the end") << tableFile(words({0, 0, 0, 4, 0, 0, 0xFFFFFFFF})) << "settings";
    QTest::newRow("a rule's entries past the end")
        << tableFile(words({0, 0, 0, 4, 0, 0, 1, 0}) + QByteArray(1, '\x02') + words({0xFFFFFFFF})) << "settings";
    QTest::newRow("trie tail past the end") << tableFile(words({0, 0, 0, 4, 0, 0, 0, 0xFFFFFFF0, 1})) << "tail";
    QTest::newRow("node count at the limit") << tableFile(words({0, 0, 0, 4, 0, 0, 0, 0, 0xFFFFFFFF})) << "nodes";
}

void BadTableFileTest::refusedWithAReason()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QString error;
    QVERIFY(!parseTable(bytes, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

// A few hundred bytes that would expand to more than any table: refused once
// the expansion passes the reader's limit.
void BadTableFileTest::endlessBodyIsRefused()
{
    std::unique_ptr<ZSTD_CCtx, size_t (*)(ZSTD_CCtx*)> context(ZSTD_createCCtx(), ZSTD_freeCCtx);
    const QByteArray zeros(1 << 20, '\0');
    QByteArray packed(qsizetype(ZSTD_CStreamOutSize()), '\0');
    QByteArray stream;
    for (int megabyte = 0; megabyte <= 300; ++megabyte) {
        const bool last = megabyte == 300;
        ZSTD_inBuffer in{zeros.data(), last ? 0 : size_t(zeros.size()), 0};
        size_t left = 0;
        do {
            ZSTD_outBuffer out{packed.data(), size_t(packed.size()), 0};
            left = ZSTD_compressStream2(context.get(), &out, &in, last ? ZSTD_e_end : ZSTD_e_continue);
            QVERIFY(!ZSTD_isError(left));
            stream.append(packed.first(qsizetype(out.pos)));
        } while (last ? left != 0 : in.pos < in.size);
    }
    QVERIFY(stream.size() < 64 * 1024);

    QString error;
    QVERIFY(!parseTable(header() + stream, &error));
    QVERIFY2(error.contains(u"expands beyond"), qPrintable(error));
}

// Four bytes overwritten at a hundred places along the real table's body, with
// values that make counts, offsets and links point anywhere: every copy is
// either read whole or refused with a reason.
void BadTableFileTest::realBodyOverwrittenAnywhere()
{
    QFile file(QStringLiteral(LUMBRELL_WUBI98_TABLE));
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("the Wubi 98 table has not been fetched into the source cache");
    const QByteArray bytes = file.readAll();
    QString error;
    const auto body = decompressZstd(QByteArrayView(bytes).sliced(8), 256 << 20, &error);
    QVERIFY2(body, qPrintable(error));

    const QList<QByteArray> patterns = {QByteArray("\xFF\xFF\xFF\xFF", 4), QByteArray("\x00\x00\x00\x00", 4),
                                        QByteArray("\x7F\xFF\xFF\xFF", 4), QByteArray("\x80\x00\x00\x01", 4)};
    constexpr int Places = 100;
    int refused = 0;
    for (int i = 0; i < Places; ++i) {
        // The settings and the trie's counts at the start, then evenly along the rest.
        const qsizetype at = i < 12 ? i * 4 : 48 + (body->size() - 52) * (i - 12) / (Places - 12);
        QByteArray damaged = *body;
        damaged.replace(at, 4, patterns[i % patterns.size()]);
        error.clear();
        const auto entries = parseTable(tableFile(damaged), &error);
        if (!entries) {
            QVERIFY2(!error.isEmpty(), qPrintable(QString::number(at)));
            ++refused;
            continue;
        }
        for (const auto& entry : *entries)
            QVERIFY(!entry.code.isEmpty() && !entry.word.isEmpty());
    }
    qInfo("%d of %d damaged copies refused", refused, Places);
    QVERIFY(refused > 0);
}

QTEST_GUILESS_MAIN(BadTableFileTest)
#include "tst_bad_table_file.moc"
