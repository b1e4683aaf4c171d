// The find-next searches over table texts: which text each step returns and
// where the next step starts, on tables where the position arithmetic matters.
#include "input/input_session.h"
#include "tables/find_next.h"
#include "tests/support/fixture_data.h"
#include "tests/tables/fixture_tables.h"

#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

namespace {

enum class Step { Preceding, Following };

struct RunResult {
    QStringList hits;
    QList<int> positions; // the remembered position after each hit
    int finalPosition = -1;
};

// Calls one step until it misses, as every caller does.
RunResult run(Step step, const QString& table, const QString& key)
{
    RunResult result;
    std::int32_t position = 0;
    for (int guard = 0; guard < 100; ++guard) {
        const auto hit = step == Step::Preceding ? findNextPreceding(table, key, position)
                                                 : findNextFollowing(table, key, position);
        if (!hit)
            break;
        result.hits.append(*hit);
        result.positions.append(position);
    }
    result.finalPosition = position;
    return result;
}

// Stroke lines are 8 characters long, pinyin lines 9.
constexpr int StrokeLine = 8;
constexpr int PinyinLine = 9;

const QString Strokes = strokeTable({{u"一"_s, u"10000"_s}, {u"二"_s, u"11000"_s}, {u"三"_s, u"11100"_s},
                                     {u"十"_s, u"12000"_s}, {u"丁"_s, u"12000"_s}});
const QString Syllables = pinyinTable({{u"啊"_s, u"a"_s}, {u"安"_s, u"an"_s}, {u"俺"_s, u"an"_s},
                                       {u"八"_s, u"ba"_s}, {u"班"_s, u"ban"_s}, {u"难"_s, u"nan"_s}});
const QString TwoReadings = pinyinTable({{u"成"_s, u"cheng"_s}, {u"铛"_s, u"cheng"_s}, {u"当"_s, u"dang"_s},
                                         {u"铛"_s, u"dang"_s}});
const QString ReadingsInARow = pinyinTable({{u"铛"_s, u"cheng"_s}, {u"铛"_s, u"dang"_s}});
const QString OneLine = pinyinTable({{u"一"_s, u"yi"_s}});
// A character beyond the 16-bit range still counts as one position.
const QString WideStrokes = strokeTable({{u"𠀀"_s, u"12345"_s}, {u"一"_s, u"12345"_s}});
const QString WidePinyin = pinyinTable({{u"𠀀"_s, u"a"_s}, {u"𠀀"_s, u"e"_s}});

} // namespace

Q_DECLARE_METATYPE(Step)

class FindNextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void runs_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("hits");
        QTest::addColumn<QList<int>>("positions");

        const auto P = Step::Preceding;
        const auto F = Step::Following;
        QTest::newRow("first line only") << P << Strokes << u"10000"_s << QStringList{u"一"_s}
                                         << QList<int>{StrokeLine};
        QTest::newRow("second line, then on past it") << P << Strokes << u"11000"_s << QStringList{u"二"_s}
                                                       << QList<int>{2 * StrokeLine};
        QTest::newRow("hit on the last line") << P << Strokes << u"12000"_s << QStringList{u"十"_s, u"丁"_s}
                                              << QList<int>{4 * StrokeLine, 5 * StrokeLine};
        QTest::newRow("stroke key found nowhere") << P << Strokes << u"25104"_s << QStringList{} << QList<int>{};
        QTest::newRow("a is not the head of an") << P << Syllables << u"a     "_s << QStringList{u"啊"_s}
                                                 << QList<int>{PinyinLine};
        QTest::newRow("an is not the tail of ban or nan")
            << P << Syllables << u"an    "_s << QStringList{u"安"_s, u"俺"_s}
            << QList<int>{2 * PinyinLine, 3 * PinyinLine};
        QTest::newRow("ban, then nan on the last line is passed")
            << P << Syllables << u"ban   "_s << QStringList{u"班"_s} << QList<int>{5 * PinyinLine};
        QTest::newRow("partial syllable") << P << Syllables << u"zh    "_s << QStringList{} << QList<int>{};
        QTest::newRow("character listed twice") << F << TwoReadings << u"铛"_s
                                                << QStringList{u"cheng "_s, u"dang  "_s}
                                                << QList<int>{1 * PinyinLine + 10, 3 * PinyinLine + 10};
        QTest::newRow("second of two lines in a row is passed over")
            << F << ReadingsInARow << u"铛"_s << QStringList{u"cheng "_s} << QList<int>{10};
        QTest::newRow("last entry line, then the closing line")
            << F << OneLine << u"一"_s << QStringList{u"yi    "_s} << QList<int>{10};
        QTest::newRow("character listed nowhere") << F << OneLine << u"氵"_s << QStringList{} << QList<int>{};
        QTest::newRow("two characters match no line") << F << TwoReadings << u"成铛"_s << QStringList{}
                                                      << QList<int>{};
        QTest::newRow("wide character before the code")
            << P << WideStrokes << u"12345"_s << QStringList{u"𠀀"_s, u"一"_s}
            << QList<int>{StrokeLine, 2 * StrokeLine};
        QTest::newRow("wide character as the key") << F << WidePinyin << u"𠀀"_s << QStringList{u"a     "_s}
                                                   << QList<int>{10};
    }

    void runs()
    {
        QFETCH(Step, step);
        QFETCH(QString, table);
        QFETCH(QString, key);
        QFETCH(QStringList, hits);
        QFETCH(QList<int>, positions);

        const RunResult result = run(step, table, key);
        QCOMPARE(result.hits, hits);
        QCOMPARE(result.positions, positions);
        QCOMPARE(result.finalPosition, 0); // every run ends on a miss that resets
    }

    void positionOutsideTheTableIsAMiss_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("past the end") << int(Strokes.size()) + 1;
        QTest::newRow("negative") << -1;
    }

    void positionOutsideTheTableIsAMiss()
    {
        QFETCH(int, position);
        std::int32_t remembered = position;
        QVERIFY(!findNextPreceding(Strokes, u"10000"_s, remembered));
        QCOMPARE(remembered, 0);
        remembered = position;
        QVERIFY(!findNextFollowing(Syllables, u"啊"_s, remembered));
        QCOMPARE(remembered, 0);
    }

    void emptyKeyIsAMiss()
    {
        std::int32_t position = 3;
        QVERIFY(!findNextPreceding(Strokes, QString(), position));
        QCOMPARE(position, 0);
    }

    // Through the input session: the two remembered positions.
    void missSetsThePositionBack()
    {
        InputSession session(fixtureTables());
        const QString& strokes = session.tables().stroke[0];
        QCOMPARE(session.searchPreceding(strokes, u"10000"_s), u"一"_s);
        QCOMPARE(session.precedingPosition(), StrokeLine);

        QCOMPARE(session.searchPreceding(strokes, u"10000"_s), std::nullopt);
        QCOMPARE(session.precedingPosition(), 0);

        QCOMPARE(session.searchPreceding(strokes, u"99999"_s), std::nullopt);
        QCOMPARE(session.precedingPosition(), 0);
    }

    void runsOfOneMethodLeaveTheOtherInPlace()
    {
        TableTexts tables;
        tables.pinyin[0] = TwoReadings;
        tables.stroke[0] = Strokes;
        InputSession session(tables);

        QCOMPARE(session.searchFollowing(TwoReadings, u"铛"_s), u"cheng "_s);
        const std::int32_t inTheMiddle = session.followingPosition();

        QStringList strokeRun;
        while (const auto hit = session.searchPreceding(Strokes, u"12000"_s))
            strokeRun.append(*hit);
        QCOMPARE(strokeRun, (QStringList{u"十"_s, u"丁"_s}));
        QCOMPARE(session.followingPosition(), inTheMiddle);

        QCOMPARE(session.searchFollowing(TwoReadings, u"铛"_s), u"dang  "_s);

        // And the other way round: a run stopped after its first hit is not
        // moved by a whole run of the other method.
        QCOMPARE(session.searchFollowing(TwoReadings, u"铛"_s), std::nullopt);
        QVERIFY(session.searchPreceding(Strokes, u"12000"_s));
        const std::int32_t strokePosition = session.precedingPosition();
        while (session.searchFollowing(TwoReadings, u"铛"_s)) {
        }
        QCOMPARE(session.precedingPosition(), strokePosition);
        QCOMPARE(session.searchPreceding(Strokes, u"12000"_s), u"丁"_s);
    }
};

QTEST_MAIN(FindNextTest)
#include "tst_find_next.moc"
