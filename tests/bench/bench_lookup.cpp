// One lookup of a found character with a real-size drawing and four marked
// positions, and one lookup of a character without a record.
#include "app/main_window.h"
#include "tests/support/main_window_controls.h"
#include "store/gbk.h"
#include "tests/support/fixture_data.h"

#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;

class LookupBench : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void foundCharacter();
    void notFoundCharacter();

private:
    FixtureFolder folder_;
    std::unique_ptr<MainWindow> form_;
};

void LookupBench::initTestCase()
{
    folder_.writeRecords(everyGbkHanziRecord(points({{300, 600}, {1200, 600}})));
    folder_.writeDrawing(QStringLiteral("峰"), twoBlockDrawing());
    form_ = std::make_unique<MainWindow>(folder_.path(), TableTexts{});
}

void LookupBench::foundCharacter()
{
    QLineEdit* entry = designControl<QLineEdit>(*form_, "Text5");
    QBENCHMARK {
        entry->setText(QStringLiteral("峰")); // its change runs the lookup
        entry->clear();
    }
}

void LookupBench::notFoundCharacter()
{
    QLineEdit* entry = designControl<QLineEdit>(*form_, "Text5");
    QBENCHMARK {
        entry->setText(QStringLiteral("〇")); // between records: a whole bisection
        entry->clear();
    }
}

QTEST_MAIN(LookupBench)
#include "bench_lookup.moc"
