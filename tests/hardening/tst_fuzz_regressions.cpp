// Replays the fuzzers' seed inputs and every input that once broke a reader
// (regressions/<target>/) through the same checks the fuzz targets make; a
// broken check aborts the test with its reason.
#include "fuzz/fuzz_inputs.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>
#include <map>

using namespace lumbrell;

class FuzzRegressionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replay_data();
    void replay();
};

void FuzzRegressionsTest::replay_data()
{
    QTest::addColumn<QString>("target");
    for (const char* target : {"record_file", "point_list", "table_search", "table_file"})
        QTest::newRow(target) << QString::fromLatin1(target);
}

void FuzzRegressionsTest::replay()
{
    QFETCH(QString, target);
    const std::map<QString, std::function<void(QByteArrayView)>> inputs = {
        {QStringLiteral("record_file"), fuzz::recordFileInput},
        {QStringLiteral("point_list"), fuzz::pointListInput},
        {QStringLiteral("table_search"), fuzz::tableSearchInput},
        {QStringLiteral("table_file"), fuzz::tableFileInput},
    };
    int replayed = 0;
    for (const QString& folder : {QStringLiteral(LUMBRELL_FUZZ_CORPUS), QStringLiteral(LUMBRELL_REGRESSIONS)}) {
        const QDir dir(folder + u'/' + target);
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            inputs.at(target)(file.readAll());
            ++replayed;
        }
    }
    QVERIFY2(replayed > 0, "every target has seeds");
}

QTEST_GUILESS_MAIN(FuzzRegressionsTest)
#include "tst_fuzz_regressions.moc"
