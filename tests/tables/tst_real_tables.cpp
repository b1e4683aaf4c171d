// The searches over the tables carried with the program (or, in a build
// without them, those the data build left in its folder): the runs a user's
// stroke and syllable choices and looked-up characters make.
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "store/gbk.h"
#include "tables/table_search.h"
#include "tables/table_texts.h"
#include "tests/support/fixture_data.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

namespace {

bool complete(const TableTexts& tables)
{
    for (int i = 0; i < 5; ++i)
        if (tables.pinyin[i].isEmpty() || tables.stroke[i].isEmpty())
            return false;
    return true;
}

TableTexts realTables()
{
    TableTexts tables = loadEmbeddedTables();
    if (complete(tables))
        return tables;
    const QString folder = QStringLiteral(LUMBRELL_DATA_DIR "/tables/");
    for (int i = 0; i < 5; ++i) {
        QFile pinyin(folder + QStringLiteral("Text1bh%1.txt").arg(i + 1));
        QFile stroke(folder + QStringLiteral("Text1bh%1w.txt").arg(i + 1));
        tables.pinyin[i] = pinyin.open(QIODevice::ReadOnly) ? fromGbkLenient(pinyin.readAll()) : QString();
        tables.stroke[i] = stroke.open(QIODevice::ReadOnly) ? fromGbkLenient(stroke.readAll()) : QString();
    }
    return tables;
}

QStringList run(const QString& table, const QString& key)
{
    return charactersBefore(table, key);
}

} // namespace

class RealTablesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        tables_ = realTables();
        QVERIFY2(complete(tables_), "The tables are neither built into this program nor in " LUMBRELL_DATA_DIR "/tables.");
    }

    void strokeRuns_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("characters");

        QTest::newRow("一") << u"10000"_s << QStringList{u"一"_s};
        QTest::newRow("二, on the second line") << u"11000"_s << QStringList{u"二"_s};
        QTest::newRow("十 丁, then the addition 丅") << u"12000"_s << QStringList{u"十"_s, u"丁"_s, u"丅"_s};
        QTest::newRow("人 入 八, then 乂") << u"34000"_s << QStringList{u"人"_s, u"入"_s, u"八"_s, u"乂"_s};
        QTest::newRow("口 囗") << u"25100"_s << QStringList{u"口"_s, u"囗"_s};
        QTest::newRow("中") << u"25120"_s << QStringList{u"中"_s};
        QTest::newRow("no character") << u"25104"_s << QStringList{};
    }

    // Candidates in use order: GB2312 level 1 most used first, then level 2,
    // then the additions.
    void strokeRuns()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, characters);
        QCOMPARE(run(tables_.stroke[key[0].unicode() - u'1'], key), characters);
    }

    // 峰's code: the level-1 characters by use (峰 before 峥 峤), level 2, then
    // twenty additions (崙 峯 崢 …).
    void runOfFeng()
    {
        const QStringList found = run(tables_.stroke[1], u"25232"_s);
        QCOMPARE(found.size(), 26);
        QCOMPARE(found.first(6), (QStringList{u"峰"_s, u"峥"_s, u"峤"_s, u"刿"_s, u"嵛"_s, u"峁"_s}));
        QVERIFY(found.contains(u"崙"_s) && found.contains(u"崢"_s));
    }

    // The largest groups of equal keys: a stroke code and a syllable.
    void largestGroups()
    {
        QCOMPARE(run(tables_.stroke[1], u"25114"_s).size(), 432);
        QCOMPARE(run(tables_.pinyin[4], u"yi    "_s).size(), 379);
    }

    void secondReadings_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<int>("firstTable");
        QTest::addColumn<QString>("firstSyllable");
        QTest::addColumn<int>("secondTable");
        QTest::addColumn<QString>("secondSyllable");

        // A second common reading is listed only in a later table, so the
        // first table that lists the character gives its usual reading.
        QTest::newRow("长") << u"长"_s << 1 << u"chang"_s << 5 << u"zhang"_s;
    }

    void secondReadings()
    {
        QFETCH(QString, character);
        QFETCH(int, firstTable);
        QFETCH(QString, firstSyllable);
        QFETCH(int, secondTable);
        QFETCH(QString, secondSyllable);
        const auto line = [&](const QString& syllable) {
            return u"\n"_s + character + syllable.leftJustified(6, u' ') + u"\r\n"_s;
        };
        QVERIFY(tables_.pinyin[firstTable - 1].contains(line(firstSyllable)));
        QVERIFY(tables_.pinyin[secondTable - 1].contains(line(secondSyllable)));
    }

    // Every character of "an" and none of "ban", "can", "nan"…: each hit's
    // line in the table carries exactly that syllable.
    void syllableRunTakesWholeFields()
    {
        const QString& table = tables_.pinyin[0];
        const QStringList hits = run(table, u"an    "_s);
        QVERIFY(!hits.isEmpty());
        for (const QString& hit : hits)
            QVERIFY2(table.contains(hit + u"an    \r\n"_s), qPrintable(hit));
        QCOMPARE(hits.size(), table.count(u"an    \r\n"_s));
    }

    // Through the window: the pinyin display after a character is looked up.
    void pinyinOfCharacters_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("pinyin");

        QTest::newRow("啊") << u"啊"_s << u"a"_s;
        QTest::newRow("铛") << u"铛"_s << u"dang"_s;
        QTest::newRow("长: chang in table 1, zhang in table 5") << u"长"_s << u"chang"_s;
        QTest::newRow("行") << u"行"_s << u"xing"_s;
        QTest::newRow("峰") << u"峰"_s << u"feng"_s;
        QTest::newRow("一, in table 5 only") << u"一"_s << u"yi"_s;
        QTest::newRow("a double-byte sign, in no table") << u"。"_s << QString();
    }

    void pinyinOfCharacters()
    {
        QFETCH(QString, character);
        QFETCH(QString, pinyin);

        FixtureFolder folder;
        folder.writeRecords({});
        MainWindow form(folder.path(), tables_);
        QVERIFY(form.startupError().isEmpty());
        form.messageBox = [](const QString&, const QString&) {};
        form.notice = form.messageBox;
        designControl<QLineEdit>(form, "Text5")->setText(character); // the entry box's change handler asks for its pinyin
        QCOMPARE(designControl<QLabel>(form, "Label24")->text(), pinyin);
        QCOMPARE(designControl<QLabel>(form, "Label25")->text(), pinyin);
    }

private:
    TableTexts tables_;
};

QTEST_MAIN(RealTablesTest)
#include "tst_real_tables.moc"
