// One lookup of a found character with a real-size drawing and four marked
// positions, and one lookup of a character without a record.
#include "app/form11.h"
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
    std::unique_ptr<Form11> form_;
};

void LookupBench::initTestCase()
{
    folder_.writeRecords(everyGbkHanziRecord(points({{300, 600}, {1200, 600}})));
    folder_.writeDrawing(QStringLiteral("峰"), twoBlockDrawing());
    form_ = std::make_unique<Form11>(folder_.path(), TableTexts{});
}

void LookupBench::foundCharacter()
{
    QBENCHMARK {
        form_->Text23.setText(QStringLiteral("峰"));
        form_->Command6_Click();
    }
}

void LookupBench::notFoundCharacter()
{
    QBENCHMARK {
        form_->Text23.setText(QStringLiteral("〇")); // between records: a whole bisection
        form_->Command6_Click();
    }
}

QTEST_MAIN(LookupBench)
#include "bench_lookup.moc"
