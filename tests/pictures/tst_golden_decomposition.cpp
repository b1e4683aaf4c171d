// The data build's decomposition against the one kept in the repository:
// every character whose split moved is printed, old and new.
#include "tools/pictures/decomposition_diff.h"

#include <QFile>
#include <QTest>

using namespace lumbrell::data;

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestGoldenDecomposition : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void changesAreListedOldAndNew()
    {
        const QString older = QStringLiteral("中\tkhk\t1,2,3\t4\tid\n年\ttgj\t\t\t\n出\tbmk\t1,2\t3,4,5\tid\n"
                                             "旧\thjg\t1\t2,3,4,5\tid\n");
        const QString newer = QStringLiteral("中\tkhk\t1,2,3\t4\tid\n年\ttgj\t1,2\t3,4,5,6\tid\n"
                                             "出\tbmk\t1,3\t2,4,5\tid\n新\tusrh\t1,2,3,4,5,6,7\t8,9,10\t11,12,13\tid\n");
        QCOMPARE(decompositionChanges(older, newer),
                 (QStringList{QStringLiteral("年 tgj: - - - -> 1,2 3,4,5,6 id"),
                              QStringLiteral("出 bmk: 1,2 3,4,5 id -> 1,3 2,4,5 id"),
                              QStringLiteral("新 usrh: new -> 1,2,3,4,5,6,7 8,9,10 11,12,13 id"),
                              QStringLiteral("旧 hjg: 1 2,3,4,5 id -> gone")}));
        QVERIFY(decompositionChanges(older, older).isEmpty());
    }

    void buildMatchesGolden()
    {
        const QString built = readText(QStringLiteral(LUMBRELL_DATA_DIR "/decomposition.tsv"));
        const QString golden = readText(QStringLiteral(GOLDEN_DECOMPOSITION));
        QVERIFY2(!built.isEmpty(), "the data build wrote no decomposition.tsv");
        QVERIFY2(!golden.isEmpty(), GOLDEN_DECOMPOSITION " is missing or empty");
        const QStringList changes = decompositionChanges(golden, built);
        for (const QString& change : changes)
            qInfo().noquote() << change;
        QVERIFY2(changes.isEmpty(),
                 qPrintable(QStringLiteral("%1 characters split otherwise than the golden file; if that is meant, "
                                           "run: cmake --build build --target update_golden, and commit the diff")
                                .arg(changes.size())));
    }
};

QTEST_GUILESS_MAIN(TestGoldenDecomposition)
#include "tst_golden_decomposition.moc"
