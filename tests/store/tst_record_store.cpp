// The record file and the search by character.
#include "store/find_record.h"
#include "store/gbk.h"
#include "store/record_file.h"
#include "tests/support/fixture_data.h"

#include <QFile>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

FixtureRecord rec(const QString& hanzi, const QString& code = QStringLiteral("abcd"))
{
    return {hanzi, code, {}, code, {}, {}, {}, {}};
}

QByteArray bytesOf(const std::vector<FixtureRecord>& records)
{
    QByteArray bytes;
    for (const auto& r : records)
        bytes += recordBytes(r);
    return bytes;
}

// Seven characters in ascending GBK order: 啊 B0A1, 峰 B7E5, 国 B9FA, 何 BACE, 倔 BEF3, 一 D2BB, 中 D6D0.
std::vector<FixtureRecord> seven()
{
    std::vector<FixtureRecord> records;
    for (const char16_t* c : {u"啊", u"峰", u"国", u"何", u"倔", u"一", u"中"})
        records.push_back(rec(QString::fromUtf16(c)));
    return records;
}

} // namespace

class RecordStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysFollowGbk();
    void countRoundsHalvesToEven_data();
    void countRoundsHalvesToEven();
    void readsFieldsWithTheirSpaces();
    void readsBeyondTheEndAsEmpty();
    void readOnceAtOpening();
    void missingFileIsNamedNotCreated();
    void folderInPlaceOfTheFileIsAnError();
    void findRecord_data();
    void findRecord();
    void searchesOnlyTheFirst32767Records();
};

void RecordStoreTest::keysFollowGbk()
{
    QCOMPARE(charKey(u"一"), -11589);
    QCOMPARE(charKey(u"中"), -10544);
    QCOMPARE(charKey(u"何"), -17714);
    QCOMPARE(charKey(u"倔"), -16653);
    QCOMPARE(charKey(u"a"), 97);
    QCOMPARE(charKey(u"国家"), charKey(u"国"));
    QVERIFY(!charKey(u"😀").has_value()); // no GBK code
    QVERIFY(!charKey(u"").has_value());
    QCOMPARE(firstCharacter(u"😀x").size(), 2); // a surrogate pair stays whole
    QVERIFY(isDoubleByte(u"峰"));
    QVERIFY(!isDoubleByte(u"a峰"));
    QVERIFY(!isDoubleByte(u"😀"));
}

void RecordStoreTest::countRoundsHalvesToEven_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("count");
    QTest::newRow("whole records") << 302 * 3 << 3;
    QTest::newRow("half a record more: to even") << 302 * 3 + 151 << 4;
    QTest::newRow("two and a half: to even") << 302 * 2 + 151 << 2;
    QTest::newRow("less than half a record") << 150 << 0;
    QTest::newRow("nothing") << 0 << 0;
}

void RecordStoreTest::countRoundsHalvesToEven()
{
    QFETCH(int, bytes);
    FixtureFolder folder;
    folder.writeBytes(QByteArray(bytes, 'x'));
    RecordFile file;
    QVERIFY(file.open(folder.dataFile(), nullptr));
    QTEST(file.count(), "count");
}

void RecordStoreTest::readsFieldsWithTheirSpaces()
{
    FixtureFolder folder;
    auto records = seven();
    records[0] = {QStringLiteral("啊"), QStringLiteral("kbsk"), QString(), QStringLiteral("kb"),
                  points({{45, 60}, {1500, 1600}}), QString(), QString(), QString()};
    folder.writeRecords(records);
    RecordFile file;
    QVERIFY(file.open(folder.dataFile(), nullptr));

    const CharRecord first = file.record(1);
    QCOMPARE(first.Hanzi, QStringLiteral("啊"));
    QCOMPARE(first.Code1, QStringLiteral("kbsk"));
    QCOMPARE(first.Code2, QStringLiteral("    "));
    QCOMPARE(first.Code3, QStringLiteral("kb  "));
    QCOMPARE(first.Info1.size(), 72);
    QCOMPARE(first.Info1.left(16), QStringLiteral("  45  6015001600"));
    QCOMPARE(first.Info1.mid(16), QString(56, u' '));
    QCOMPARE(file.record(7).Hanzi, QStringLiteral("中")); // the last 302 bytes
}

void RecordStoreTest::readsBeyondTheEndAsEmpty()
{
    RecordFile file = RecordFile::fromBytes(recordBytes(rec(QStringLiteral("峰"))));
    QVERIFY(file.record(2).Hanzi.isEmpty());
    QVERIFY(file.record(0).Code1.isEmpty());
    QVERIFY(file.record(-5).Info4.isEmpty());

    // Bytes that are not GBK still decode, to replacement characters.
    QByteArray bytes = recordBytes(rec(QStringLiteral("峰")));
    bytes[0] = char(0xFF);
    bytes[1] = char(0x20);
    QCOMPARE(RecordFile::fromBytes(bytes).record(1).Hanzi.size(), 2);
}

// The records are read when the file is opened: a change behind the
// program's back is not seen.
void RecordStoreTest::readOnceAtOpening()
{
    FixtureFolder folder;
    folder.writeRecords(seven());
    RecordFile file;
    QVERIFY(file.open(folder.dataFile(), nullptr));
    QVERIFY(QFile::resize(folder.dataFile(), 0));
    QCOMPARE(file.count(), 7);
    QCOMPARE(lumbrell::findRecord(file, u"国"), 3);
}

void RecordStoreTest::missingFileIsNamedNotCreated()
{
    // An empty file made in its place would pass for data that has no character.
    FixtureFolder folder;
    RecordFile file;
    QString error;
    QVERIFY(!file.open(folder.dataFile(), &error));
    QVERIFY2(error.contains(folder.dataFile()), qPrintable(error));
    QVERIFY(!QFile::exists(folder.dataFile()));
    QCOMPARE(file.count(), 0);
    QVERIFY(file.record(1).Hanzi.isEmpty());
}

void RecordStoreTest::folderInPlaceOfTheFileIsAnError()
{
    FixtureFolder folder;
    QDir(folder.path()).mkdir(QStringLiteral("wwbb11.dat"));
    RecordFile file;
    QString error;
    QVERIFY(!file.open(folder.dataFile(), &error));
    QVERIFY2(error.contains(folder.dataFile()), qPrintable(error));
}

void RecordStoreTest::findRecord_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("found"); // the record number, 0 for none

    const QByteArray one = bytesOf({rec(QStringLiteral("峰"))});
    const QByteArray two = bytesOf({rec(QStringLiteral("啊")), rec(QStringLiteral("峰"))});
    const QByteArray all = bytesOf(seven());

    QTest::newRow("one record, equal") << one << "峰" << 1;
    QTest::newRow("one record, other") << one << "国" << 0;
    QTest::newRow("first") << all << "啊" << 1;
    QTest::newRow("last") << all << "中" << 7;
    QTest::newRow("below the range") << all << "丂" << 0;
    QTest::newRow("ascii above the range") << all << "a" << 0;
    QTest::newRow("space") << all << " " << 0;
    // L=1 H=7: probe 4 (何) → H=4; L=1 H=4: probe 2 (峰) → L=2; L=2 H=4: probe 3 (国),
    // whose record is not the last one read.
    QTest::newRow("middle, three passes") << all << "国" << 3;
    QTest::newRow("only the first character counts") << all << "国家" << 3;
    // 白 (B0D7) lies between 啊 and 峰.
    QTest::newRow("between two records") << two << "白" << 0;
    QTest::newRow("empty file") << QByteArray() << "峰" << 0;
    QTest::newRow("no GBK code") << all << "😀" << 0;
    // 2.5 records round to 2 (halves to even): 峰 is the upper bound.
    QTest::newRow("fractional count") << two + QByteArray(151, ' ') << "峰" << 2;
}

void RecordStoreTest::findRecord()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, query);
    QFETCH(int, found);
    const RecordFile records = RecordFile::fromBytes(file);
    const std::optional<int> number = lumbrell::findRecord(records, query);
    QCOMPARE(number.value_or(0), found);
    // What is found is the query's own record, never the last one probed.
    if (number)
        QCOMPARE(records.record(*number).Hanzi, firstCharacter(query).toString());
}

void RecordStoreTest::searchesOnlyTheFirst32767Records()
{
    // 32,768 records; the record numbers of the program reach 32,767.
    QByteArray bytes;
    bytes.reserve(302 * 32768);
    const QByteArray filler = recordBytes(rec(QStringLiteral("丂"))); // 8140, below every hanzi used here
    for (int i = 0; i < 32766; ++i)
        bytes += filler;
    bytes += recordBytes(rec(QStringLiteral("峰")));
    bytes += recordBytes(rec(QStringLiteral("中")));
    const RecordFile records = RecordFile::fromBytes(bytes);
    QCOMPARE(records.count(), 32767);
    QCOMPARE(lumbrell::findRecord(records, u"峰"), 32767);
    QCOMPARE(lumbrell::findRecord(records, u"中"), std::nullopt);
}

QTEST_GUILESS_MAIN(RecordStoreTest)
#include "tst_record_store.moc"
