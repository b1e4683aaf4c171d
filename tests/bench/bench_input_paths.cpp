// A whole pinyin search of the largest syllable and a whole stroke search of
// the largest stroke group, from the change of the chooser to the lookup of
// the first candidate, and the table runs alone. Uses the tables of the data
// build when it is there, else generated tables of the real sizes.
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "app/syllable_chooser.h"
#include "store/gbk.h"
#include "tables/table_search.h"
#include "tests/support/fixture_data.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;

namespace {

// The largest syllable ("ji", 102 lines, in the largest pinyin table, 1545
// lines) and the largest stroke group ("25124", 116 lines, table 2, 1091 lines).
const QString Syllable = QStringLiteral("yi");
const QString SyllableKey = QStringLiteral("yi    ");
const QString StrokeKey = QStringLiteral("25114");
const QStringList StrokeSymbols = {QStringLiteral("丨"), QStringLiteral("乙"), QStringLiteral("一"),
                                   QStringLiteral("一"), QStringLiteral("丶")};

// The GBK hanzi in code order.
QStringList gbkHanzi()
{
    QStringList hanzi;
    for (const FixtureRecord& record : everyGbkHanziRecord(QString()))
        hanzi.append(record.hanzi);
    return hanzi;
}

// `lines` lines of one table: `biggest` of them with the key, the others with
// filler fields before and after it, in table order.
QString generatedTable(const QStringList& hanzi, int lines, int biggest, const QString& key,
                       const QString& before, const QString& after)
{
    QString text;
    const int others = lines - biggest;
    for (int i = 0; i < lines; ++i) {
        const QString field = i < others / 2 ? before : i < others / 2 + biggest ? key : after;
        text += hanzi[i % hanzi.size()] + field + QStringLiteral("\r\n");
    }
    return text;
}

TableTexts loadOrGenerateTables(QString* origin)
{
    const QString folder = QStringLiteral(LUMBRELL_DATA_DIR "/tables");
    if (QFile::exists(folder + QStringLiteral("/Text1bh2.txt"))) {
        TableTexts tables;
        for (int i = 0; i < 5; ++i) {
            QFile pinyin(folder + QStringLiteral("/Text1bh%1.txt").arg(i + 1));
            QFile stroke(folder + QStringLiteral("/Text1bh%1w.txt").arg(i + 1));
            if (pinyin.open(QIODevice::ReadOnly))
                tables.pinyin[i] = fromGbkLenient(pinyin.readAll());
            if (stroke.open(QIODevice::ReadOnly))
                tables.stroke[i] = fromGbkLenient(stroke.readAll());
        }
        *origin = QStringLiteral("tables of the data build in ") + folder;
        return tables;
    }
    const QStringList hanzi = gbkHanzi();
    TableTexts tables;
    tables.pinyin[4] = generatedTable(hanzi, 3828, 379, SyllableKey, QStringLiteral("yao   "),
                                      QStringLiteral("yin   ")) + QString(8, u' ') + QStringLiteral("\r\n");
    tables.stroke[1] = generatedTable(hanzi, 3294, 432, StrokeKey, QStringLiteral("25112"),
                                      QStringLiteral("25121"));
    *origin = QStringLiteral("generated tables of the real sizes");
    return tables;
}

QString firstOfRun(const QString& table, const QString& key)
{
    return charactersBefore(table, key).value(0);
}

} // namespace

class InputPathsBench : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QString origin;
        tables_ = loadOrGenerateTables(&origin);
        qInfo("Tables: %s", qPrintable(origin));

        // A record for every GBK hanzi, so the lookup makes its real number
        // of probes, and the drawings of the two first candidates.
        folder_.writeRecords(everyGbkHanziRecord(points({{300, 600}, {1200, 600}})));
        for (const QString& first : {firstOfRun(tables_.pinyin[4], SyllableKey),
                                     firstOfRun(tables_.stroke[1], StrokeKey)})
            folder_.writeDrawing(first, twoBlockDrawing());
        form_ = std::make_unique<MainWindow>(folder_.path(), tables_);
        form_->show();
    }

    // Typing the last letter of "yi", the largest syllable: key, 379
    // candidates into Text6 one by one, the syllable shown, the first looked up.
    void pinyinSearch()
    {
        designControl<SyllableChooser>(*form_, "Combo6")->setText(Syllable);
        QBENCHMARK {
            Q_EMIT designControl<SyllableChooser>(*form_, "Combo6")->edited(); // every edit searches, also for the same key
        }
        QCOMPARE(designControl<QPlainTextEdit>(*form_, "Text6")->toPlainText().size(), 2 * tables_.pinyin[4].count(SyllableKey));
    }

    // Choosing the last stroke of 丨乙一一丶, the largest stroke code: key,
    // 432 candidates, their first looked up with its pinyin, focus to them.
    void strokeSearch()
    {
        for (int i = 0; i < 5; ++i)
            strokeChooser(*form_, i)->setEditText(StrokeSymbols[i]);
        QBENCHMARK {
            Q_EMIT strokeChooser(*form_, 4)->lineEdit()->returnPressed(); // every choice searches, also for the same key
        }
        QCOMPARE(designControl<QPlainTextEdit>(*form_, "Text6")->toPlainText().size(), 2 * tables_.stroke[1].count(StrokeKey));
    }

    // The table runs alone: every hit of the key, then the miss.
    void syllableRunOnly() { benchRun(tables_.pinyin[4], SyllableKey); }
    void strokeRunOnly() { benchRun(tables_.stroke[1], StrokeKey); }

private:
    void benchRun(const QString& table, const QString& key)
    {
        int hits = 0;
        QBENCHMARK {
            hits = int(charactersBefore(table, key).size());
        }
        QCOMPARE(hits, table.count(key));
    }

    TableTexts tables_;
    FixtureFolder folder_;
    std::unique_ptr<MainWindow> form_;
};

QTEST_MAIN(InputPathsBench)
#include "bench_input_paths.moc"
