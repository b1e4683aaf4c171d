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
    // 6763 records like the real file, so the search makes its real number of probes.
    std::vector<FixtureRecord> records;
    const QString seeds = points({{300, 600}, {1200, 600}});
    for (int lead = 0xB0; lead <= 0xF7; ++lead)
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const char bytes[2] = {char(lead), char(trail)};
            const QString hanzi = fromGbk(QByteArray(bytes, 2));
            if (hanzi.size() == 1 && hanzi[0].unicode() >= 0x4E00)
                records.push_back({hanzi, QStringLiteral("mtdh"), QStringLiteral("mtd"), QStringLiteral("mtdh"),
                                   seeds, seeds, seeds, seeds});
        }
    folder_.writeRecords(records);
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
        form_->Text23.setText(QStringLiteral("丂")); // below every record: two reads
        form_->Command6_Click();
    }
}

QTEST_MAIN(LookupBench)
#include "bench_lookup.moc"
