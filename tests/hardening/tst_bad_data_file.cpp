// A damaged or odd data file: the window still comes up, every lookup ends in
// the right record's codes or the not-found panel, and a file that cannot be
// used at all is named.
#include "tests/hardening/hardened_window.h"

#include "store/gbk.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

QByteArray sampleBytes()
{
    QByteArray bytes;
    for (const FixtureRecord& record : sampleRecords())
        bytes += recordBytes(record);
    return bytes;
}

} // namespace

class BadDataFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyRecordStillFound_data();
    void everyRecordStillFound();
    void emptyFileFindsNothing();
    void truncatedLastRecordShowsWhatIsLeft();
    void bytesThatAreNotGbk();
    void recordsOutOfOrderNeverShowAnotherCharacter();
    void recordsBeyond32767AreNotSearched();
    void hugeFileIsSearchedInItsFirstRecords();
    void fileEmptiedWhileRunning();
    void unusableFileIsNamed_data();
    void unusableFileIsNamed();
};

// Extra or missing bytes at the end change the record count to a fraction;
// the records that are whole are all still found.
void BadDataFileTest::everyRecordStillFound_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = sampleBytes();
    QTest::newRow("a third of a record more") << whole + QByteArray(100, ' ');
    QTest::newRow("two thirds of a record more") << whole + QByteArray(200, ' ');
    QTest::newRow("a half of a record more") << whole + QByteArray(151, ' ');
    QTest::newRow("trailing NUL bytes") << whole + QByteArray(250, '\0');
    QTest::newRow("trailing high bytes") << whole + QByteArray(250, '\xFF');
}

void BadDataFileTest::everyRecordStillFound()
{
    QFETCH(QByteArray, bytes);
    FixtureFolder folder;
    folder.writeBytes(bytes);
    for (const auto& [hanzi, code] : SampleCodes)
        folder.writeDrawing(hanzi, twoBlockDrawing());
    HardenedWindow window(folder.path());
    QVERIFY(window.form->startupError().isEmpty());
    QVERIFY(window.show());

    for (const auto& [hanzi, code] : SampleCodes) {
        window.lookUp(hanzi);
        QCOMPARE(window.codeLine(), sampleCodeLine(code));
        QVERIFY(!window.notFoundShown());
        QVERIFY(window.pictureShown());
    }
    window.lookUp(u"丁"_s);
    QVERIFY(window.notFoundShown());
    QVERIFY(window.messages.isEmpty());
}

void BadDataFileTest::emptyFileFindsNothing()
{
    // The program refuses an empty data file at start-up; a window built on one
    // anyway finds nothing and never fails. (A missing file is a start-up error.)
    FixtureFolder folder;
    folder.writeBytes({});
    HardenedWindow window(folder.path());
    QVERIFY(window.form->startupError().isEmpty());
    QVERIFY(window.show());
    for (const QString& query : {u"峰"_s, u"a"_s, u" "_s}) {
        window.lookUp(query);
        QVERIFY2(window.notFoundShown(), qPrintable(query));
        QVERIFY(window.codeLine().isEmpty());
    }
}

void BadDataFileTest::truncatedLastRecordShowsWhatIsLeft()
{
    FixtureFolder folder;
    // The last record (主) loses the end of its last field; a record cut to
    // less than half its size would not count at all.
    folder.writeBytes(sampleBytes().chopped(20));
    folder.writeDrawing(u"主"_s, twoBlockDrawing());
    folder.writeDrawing(u"啊"_s, twoBlockDrawing());
    HardenedWindow window(folder.path());
    QVERIFY(window.show());

    window.lookUp(u"主"_s);
    QVERIFY(!window.notFoundShown());
    QCOMPARE(window.codeLine(), sampleCodeLine(u"ygd"_s));
    window.lookUp(u"啊"_s);
    QCOMPARE(window.codeLine(), sampleCodeLine(u"kbsk"_s));
}

void BadDataFileTest::bytesThatAreNotGbk()
{
    // 峰's codes and fill points hold bytes no GBK text has; a record whose
    // character bytes are not GBK sorts above every character and is never found.
    QByteArray feng = recordBytes(sampleRecord(u"峰"_s, u"mtdh"_s));
    feng.replace(2, 4, QByteArray("\xFF\x80m\xFE", 4));
    feng.replace(14, 8, QByteArray("\x81\x30\xFF\xFF\x80\x80\xA1\x7F", 8));
    QByteArray bytes = recordBytes(sampleRecord(u"啊"_s, u"kbsk"_s)) + feng
                       + recordBytes(sampleRecord(u"中"_s, u"khk"_s));
    QByteArray bad = recordBytes(sampleRecord(u"主"_s, u"ygd"_s));
    bad.replace(0, 2, QByteArray("\xFF\xFF", 2));
    bytes += bad;

    FixtureFolder folder;
    folder.writeBytes(bytes);
    folder.writeDrawing(u"峰"_s, twoBlockDrawing());
    HardenedWindow window(folder.path());
    QVERIFY(window.show());

    window.lookUp(u"峰"_s);
    QVERIFY(!window.notFoundShown());
    QVERIFY2(window.codeLine().contains(QChar(0xFFFD)), qPrintable(window.codeLine()));
    window.lookUp(u"主"_s);
    QVERIFY(window.notFoundShown());
    window.lookUp(u"中"_s);
    QCOMPARE(window.codeLine(), sampleCodeLine(u"khk"_s));
}

// A file out of order can hide records from the search, but whatever is
// shown is the looked-up character's own record.
void BadDataFileTest::recordsOutOfOrderNeverShowAnotherCharacter()
{
    // 一 belongs between 峰 and 中.
    std::vector<FixtureRecord> records = sampleRecords();
    records.insert(records.begin() + 1, sampleRecord(u"一"_s, u"ggll"_s));
    FixtureFolder folder;
    folder.writeRecords(records);
    for (const FixtureRecord& record : records)
        folder.writeDrawing(record.hanzi, twoBlockDrawing());
    HardenedWindow window(folder.path());
    QVERIFY(window.show());

    int found = 0;
    for (const FixtureRecord& record : records) {
        window.lookUp(record.hanzi);
        if (window.notFoundShown())
            continue;
        ++found;
        QCOMPARE(window.codeLine(), sampleCodeLine(record.code1));
    }
    QVERIFY(found > 0);
}

// Record numbers are 16-bit: a record after the first 32,767 is never reached,
// those before it are.
void BadDataFileTest::recordsBeyond32767AreNotSearched()
{
    const QByteArray first = recordBytes(sampleRecord(u"啊"_s, u"kbsk"_s));
    QByteArray bytes = first.repeated(RecordFile::MaxRecords);
    bytes += recordBytes(sampleRecord(u"峰"_s, u"mtdh"_s)).repeated(300);
    FixtureFolder folder;
    folder.writeBytes(bytes);
    folder.writeDrawing(u"啊"_s, twoBlockDrawing());
    HardenedWindow window(folder.path());
    QVERIFY(window.show());

    window.lookUp(u"峰"_s);
    QVERIFY(window.notFoundShown());
    window.lookUp(u"啊"_s);
    QVERIFY(!window.notFoundShown());
    QCOMPARE(window.codeLine(), sampleCodeLine(u"kbsk"_s));
}

// A file of gigabytes (sparse, NUL bytes after the records): the count is
// held to 32,767 records and the search narrows into the real ones.
void BadDataFileTest::hugeFileIsSearchedInItsFirstRecords()
{
    FixtureFolder folder;
    folder.writeBytes(sampleBytes());
    {
        QFile file(folder.dataFile());
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (!file.resize(qint64(3) << 30))
            QSKIP("this file system does not hold a sparse file of 3 GB");
    }
    folder.writeDrawing(u"峰"_s, twoBlockDrawing());
    HardenedWindow window(folder.path());
    QVERIFY(window.show());

    // NUL keys (0) lie above every double-byte key.
    window.lookUp(u"峰"_s);
    QVERIFY(!window.notFoundShown());
    QCOMPARE(window.codeLine(), sampleCodeLine(u"mtdh"_s));
    window.lookUp(u"a"_s);
    QVERIFY(window.notFoundShown());
}

// The records are read at start-up: a file emptied or cut behind the
// program's back changes nothing it finds.
void BadDataFileTest::fileEmptiedWhileRunning()
{
    FixtureFolder folder;
    folder.writeBytes(sampleBytes());
    folder.writeDrawing(u"峰"_s, twoBlockDrawing());
    HardenedWindow window(folder.path());
    QVERIFY(window.show());
    window.lookUp(u"峰"_s);
    QCOMPARE(window.codeLine(), sampleCodeLine(u"mtdh"_s));

    QVERIFY(QFile::resize(folder.dataFile(), 0));
    window.lookUp(u"中"_s);
    QCOMPARE(window.codeLine(), sampleCodeLine(u"khk"_s));
    QVERIFY(QFile::resize(folder.dataFile(), 150));
    window.lookUp(u"峰"_s);
    QCOMPARE(window.codeLine(), sampleCodeLine(u"mtdh"_s));
}

void BadDataFileTest::unusableFileIsNamed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a folder in its place") << u"folder"_s;
    QTest::newRow("a named pipe in its place") << u"pipe"_s;
    QTest::newRow("a link that loops") << u"loop"_s;
    QTest::newRow("missing") << u"missing"_s;
}

void BadDataFileTest::unusableFileIsNamed()
{
    QFETCH(QString, kind);
    // Each kind fails to open for any user, root included (file permissions would not bind root).
    FixtureFolder folder;
    if (kind == u"folder") {
        QVERIFY(QDir(folder.path()).mkdir(u"wwbb11.dat"_s));
    } else if (kind == u"pipe") {
        QVERIFY(::mkfifo(QFile::encodeName(folder.dataFile()).constData(), 0600) == 0);
    } else if (kind == u"loop") {
        QFile::remove(folder.dataFile());
        QVERIFY(QFile::link(u"wwbb11.dat"_s, folder.dataFile()));
    } else {
        QFile::remove(folder.dataFile());
    }
    HardenedWindow window(folder.path());
    QVERIFY2(window.form->startupError().contains(folder.dataFile()), qPrintable(window.form->startupError()));
    // Nothing is created in place of a file that could not be used.
    if (kind == u"missing")
        QVERIFY(!QFileInfo::exists(folder.dataFile()));
}

QTEST_MAIN(BadDataFileTest)
#include "tst_bad_data_file.moc"
