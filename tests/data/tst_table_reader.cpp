// The fcitx5 table reader on the real Wubi 98 table and on damaged files.
#include "tools/tablereader/table_file.h"
#include "tests/support/table_file_bytes.h"

#include <QtTest>
#include <algorithm>
#include <zstd.h>

using lumbrell::tablereader::TableEntry;
using lumbrell::tablereader::parseTable;
using lumbrell::tablereader::readTableFile;

using lumbrell::testing::appendU32;

namespace {

QByteArray envelope(const QByteArray& body, uint32_t magic = 0x000FCABE, uint32_t version = 2)
{
    return lumbrell::testing::tableEnvelope(body, magic, version);
}

// A table whose phrase trie holds the one key "a" 0x01 "X" with value 5: the root
// (node 0) links by 'a' to node 97, whose rest of key lies in the tail at offset 1.
struct TinyTrie {
    uint32_t nodeCount = 98;
    uint32_t declaredNodeCount = 98;
    int32_t rootBase = 0;
    int32_t leafBase = -1;
    int32_t leafCheck = 0;
    QByteArray tail = QByteArray("\xff\x01X\0\x05\0\0\0", 8);
    int cutBodyAt = -1;

    QByteArray body() const
    {
        QByteArray out;
        for (uint32_t key : {0u, 0u, 0u, 4u})
            appendU32(out, key);
        appendU32(out, 0); // input keys
        appendU32(out, 0); // ignored characters
        appendU32(out, 0); // rules
        appendU32(out, uint32_t(tail.size()));
        appendU32(out, declaredNodeCount);
        out.append(tail);
        for (uint32_t n = 0; n < nodeCount; ++n) {
            appendU32(out, uint32_t(n == 0 ? rootBase : n == 97 ? leafBase : 0));
            appendU32(out, uint32_t(n == 0 ? -1 : n == 97 ? leafCheck : -2));
        }
        out.append(QByteArray(12, '\0'));
        for (uint32_t n = 0; n < nodeCount; ++n) {
            out.append(char(n == 0 ? 'a' : 0)); // sibling
            out.append('\0');                   // child
        }
        return cutBodyAt < 0 ? out : out.first(cutBodyAt);
    }
};

std::vector<TableEntry> sortedByCodeAndOrder(std::vector<TableEntry> entries)
{
    std::sort(entries.begin(), entries.end(), [](const TableEntry& a, const TableEntry& b) {
        return std::tie(a.code, a.order) < std::tie(b.code, b.order);
    });
    return entries;
}

} // namespace

class TableReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void realTableListsEveryEntry()
    {
        QString error;
        const auto entries = readTableFile(QStringLiteral(LUMBRELL_WUBI98_TABLE), &error);
        QVERIFY2(entries, qPrintable(error));
        QCOMPARE(entries->size(), size_t(36434));

        const std::vector<TableEntry> sorted = sortedByCodeAndOrder(*entries);
        const QStringList firstLines{"a 工", "a 戈", "aa 式", "aa 藏", "aaa 工"};
        for (int i = 0; i < firstLines.size(); ++i)
            QCOMPARE(QString::fromLatin1(sorted[size_t(i)].code) + ' ' + sorted[size_t(i)].word, firstLines[i]);

        QList<QByteArray> fengCodes;
        for (const TableEntry& e : sorted) {
            if (e.word == QStringLiteral("峰"))
                fengCodes.append(e.code);
        }
        QCOMPARE(fengCodes, (QList<QByteArray>{"mt", "mtd", "mtdh"}));

        QStringList underMt;
        for (const TableEntry& e : sorted) {
            if (e.code == "mt")
                underMt.append(e.word);
        }
        QVERIFY(underMt.size() >= 2);
        QCOMPARE(underMt.mid(0, 2), (QStringList{"败", "峰"}));
    }

    void tinyTableIsRead()
    {
        QString error;
        const auto entries = parseTable(envelope(TinyTrie().body()), &error);
        QVERIFY2(entries, qPrintable(error));
        QCOMPARE(entries->size(), size_t(1));
        QCOMPARE(entries->front().code, QByteArray("a"));
        QCOMPARE(entries->front().word, QStringLiteral("X"));
        QCOMPARE(entries->front().order, 5);
    }

    void damagedInputIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");

        const QByteArray good = envelope(TinyTrie().body());
        QTest::newRow("empty") << QByteArray() << "too short";
        QTest::newRow("header cut") << good.first(6) << "too short";
        QTest::newRow("bad magic") << envelope(TinyTrie().body(), 0x000FCABF) << "magic";
        QTest::newRow("wrong version") << envelope(TinyTrie().body(), 0x000FCABE, 3) << "version 3";
        QTest::newRow("stream cut") << good.first(good.size() - 5) << "ends before";
        QTest::newRow("stream garbage") << good.first(8) + QByteArray(40, 'z') << "damaged";

        TinyTrie cut;
        cut.cutBodyAt = 30;
        QTest::newRow("settings cut") << envelope(cut.body()) << "trie";
        TinyTrie tooManyNodes;
        tooManyNodes.declaredNodeCount = 5000;
        QTest::newRow("node count past end") << envelope(tooManyNodes.body()) << "runs past the end";
        TinyTrie tailFar;
        tailFar.leafBase = -1000;
        QTest::newRow("tail offset out of range") << envelope(tailFar.body()) << "tail offset 1000";
        TinyTrie tailIntMin;
        tailIntMin.leafBase = INT32_MIN;
        QTest::newRow("tail offset INT_MIN") << envelope(tailIntMin.body()) << "tail offset";
        TinyTrie noNul;
        noNul.tail = QByteArray("\xff\x01XYZ", 5);
        QTest::newRow("tail without NUL") << envelope(noNul.body()) << "not terminated";
        TinyTrie childFar;
        childFar.rootBase = 4096;
        QTest::newRow("child outside nodes") << envelope(childFar.body()) << "outside the 98 nodes";
        TinyTrie loop;
        loop.leafBase = 97 ^ 'a'; // node 97 links by 'a' back to itself
        loop.leafCheck = 97;
        QTest::newRow("node links loop") << envelope(loop.body()) << "does not lead to a tree";
    }

    void damagedInputIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QString error;
        QVERIFY(!parseTable(bytes, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    void everyTruncationOfTheRealFileIsRefused()
    {
        QFile file(QStringLiteral(LUMBRELL_WUBI98_TABLE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (qsizetype length : {qsizetype(0), qsizetype(8), qsizetype(9), bytes.size() / 2, bytes.size() - 1}) {
            QString error;
            QVERIFY2(!parseTable(bytes.first(length), &error), qPrintable(QString::number(length)));
            QVERIFY(!error.isEmpty());
        }
    }

    void missingFileIsNamed()
    {
        QString error;
        QVERIFY(!readTableFile(QStringLiteral("/nonexistent/wubi98.main.dict"), &error));
        QVERIFY2(error.contains("/nonexistent/wubi98.main.dict"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TableReaderTest)
#include "tst_table_reader.moc"
