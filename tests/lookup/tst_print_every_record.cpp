// --print over every record of the built data: each character prints its own
// record's codes and its trimmed reading.
#include "app/print_lookup.h"
#include "formats/position_roots_format.h"
#include "lookup/code_line.h"
#include "store/record_file.h"
#include "tables/table_texts.h"

#include <QTest>

using namespace lumbrell;

class PrintEveryRecordTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyRecordPrintsItself()
    {
        const QString file = QStringLiteral(LUMBRELL_DATA_DIR "/wwbb11.dat");
        RecordFile records;
        QString error;
        QVERIFY2(records.open(file, &error), qPrintable(error));
        QCOMPARE(records.count(), 20924);
        Dictionary dictionary(loadEmbeddedTables());
        QVERIFY(dictionary.open(file, &error));

        for (int n = 1; n <= records.count(); ++n) {
            const CharRecord record = records.record(n); // read by number, not searched
            const PrintedLookups printed = printLookups(dictionary, record.Hanzi);
            QVERIFY2(printed.withoutRecord.isEmpty(), qPrintable(record.Hanzi));
            QCOMPARE(printed.lines.size(), 1);
            const QStringList fields = printed.lines[0].split(u'\t');
            QCOMPARE(fields.first(), record.Hanzi);
            QCOMPARE(fields.mid(1, fields.size() - 2), codesOf(record));
            QCOMPARE(fields.last(), fields.last().trimmed());
        }
    }

    // The first record, the last one, and characters between records.
    void edges_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("withoutRecord");
        QTest::newRow("丂, the first record") << QStringLiteral("丂") << QStringLiteral("丂\tgnv\tkao") << QStringList();
        QTest::newRow("峰") << QStringLiteral("峰") << QStringLiteral("峰\tmtd\tmtdh\tfeng") << QStringList();
        QTest::newRow("between records: 。") << QStringLiteral("。") << QString() << QStringList{QStringLiteral("。")};
    }

    void edges()
    {
        QFETCH(QString, text);
        QFETCH(QString, line);
        Dictionary dictionary(loadEmbeddedTables());
        QString error;
        QVERIFY(dictionary.open(QStringLiteral(LUMBRELL_DATA_DIR "/wwbb11.dat"), &error));
        const PrintedLookups printed = printLookups(dictionary, text);
        QCOMPARE(printed.lines, line.isEmpty() ? QStringList() : QStringList{line});
        QTEST(printed.withoutRecord, "withoutRecord");
    }

    // --print --roots names the root of each position as the data build split it.
    void rootsOfTheBuiltData()
    {
        Dictionary dictionary(loadEmbeddedTables());
        QString error;
        QVERIFY(dictionary.open(QStringLiteral(LUMBRELL_DATA_DIR "/wwbb11.dat"), &error));
        PositionRoots roots;
        QVERIFY2(roots.read(QStringLiteral(LUMBRELL_DATA_DIR "/") + QLatin1String(positionroots::FileName), &error), qPrintable(error));
        const PrintedLookups printed = printLookups(dictionary, QStringLiteral("青主"), &roots);
        QCOMPARE(printed.lines, (QStringList{QStringLiteral("青\tgef\tqing\t龶 ⺝ id"),
                                             QStringLiteral("主\ty\tygd\tzhu\t丶 王 id")}));
    }
};

QTEST_MAIN(PrintEveryRecordTest)
#include "tst_print_every_record.moc"
