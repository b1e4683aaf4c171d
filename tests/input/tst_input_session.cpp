// The input paths and the lookup on the input session alone, without a window:
// what each user event leaves as query, pinyin key, candidates, pinyin and plan.
#include "input/input_session.h"
#include "tests/support/fixture_data.h"
#include "tests/tables/fixture_tables.h"

#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

namespace {

using Outcome = InputSession::Outcome;
using KeyKind = InputSession::KeyKind;
using Change = InputSession::Change;

const QString Seeds = points({{300, 600}});

// A data file of a few records: 八 ends on a diagram, 峰 has four drawn
// positions, 彧 has no fill points at all (a character without a drawing).
struct Session {
    FixtureFolder folder;
    std::unique_ptr<InputSession> session;
    QList<Change> changes;

    Session()
    {
        folder.writeRecords({ // ascending GBK: 彧 8FAA first
            {u"彧"_s, u"akgr"_s, QString(), u"ak"_s, QString(), QString(), QString(), QString()},
            {u"啊"_s, u"kbsk"_s, QString(), u"kb"_s, Seeds, Seeds, QString(), QString()},
            {u"八"_s, u"wty"_s, QString(), u"wty"_s, Seeds, Seeds, u"0"_s, QString()},
            {u"峰"_s, u"mtdh"_s, u"mtd"_s, u"mtdh"_s, Seeds, Seeds, Seeds, Seeds},
            {u"十"_s, u"fgh"_s, QString(), u"fgh"_s, Seeds, Seeds, u"0"_s, QString()},
            {u"一"_s, u"ggll"_s, u"ggl"_s, u"g"_s, Seeds, Seeds, u"0"_s, u"0"_s},
            {u"猪"_s, u"qtfj"_s, QString(), u"qt"_s, Seeds, Seeds, QString(), QString()},
        });
        session = std::make_unique<InputSession>(fixtureTables());
        QString error;
        if (!session->open(folder.dataFile(), &error))
            qFatal("%s", qPrintable(error));
        session->changed = [this](Change change) { changes.append(change); };
    }
    InputSession* operator->() { return session.get(); }
};

} // namespace

class InputSessionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entryText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("codeLine");
        QTest::addColumn<QString>("pinyin");

        QTest::newRow("a character") << u"峰"_s << Outcome::Found << u"mtd  mtdh"_s << u"feng  "_s;
        QTest::newRow("the first of two") << u"猪峰"_s << Outcome::Found << u"qt  qtfj"_s << u"zhu   "_s;
        QTest::newRow("Chinese, no record") << u"吖"_s << Outcome::NotFound << QString() << u"a     "_s;
        QTest::newRow("a letter") << u"a"_s << Outcome::NotChinese << QString() << QString();
        QTest::newRow("a full-width comma") << u"，"_s << Outcome::NotChinese << QString() << QString();
        QTest::newRow("blank: nothing") << u"  "_s << Outcome::None << QString() << QString();
    }

    void entryText()
    {
        QFETCH(QString, text);
        Session s;
        s->entryChanged(text);
        QTEST(s->outcome(), "outcome");
        QTEST(s->codeLine(), "codeLine");
        QTEST(s->pinyin(), "pinyin");
        QCOMPARE(s->followingPosition(), 0);
        if (!isBlankText(text))
            QCOMPARE(s->keyKind(), KeyKind::Character);
    }

    void planOfARecord_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QList<PositionPicture>>("pictures");
        QTest::addColumn<QList<int>>("diagrams");
        QTest::addColumn<bool>("keepsQuery");

        using P = PositionPicture;
        QTest::newRow("four drawn positions") << u"峰"_s << QList<P>{P::Drawing, P::Drawing, P::Drawing, P::Drawing}
                                              << QList<int>{-1, -1, -1, -1} << false;
        QTest::newRow("two letters: two positions") << u"猪"_s << QList<P>{P::Drawing, P::Drawing, P::Empty, P::Empty}
                                                    << QList<int>{-1, -1, -1, -1} << false;
        QTest::newRow("identification letter y") << u"八"_s << QList<P>{P::Drawing, P::Drawing, P::Diagram, P::Empty}
                                                 << QList<int>{-1, -1, 9, -1} << true;
        QTest::newRow("single stroke: two l") << u"一"_s << QList<P>{P::Drawing, P::Drawing, P::Diagram, P::Diagram}
                                              << QList<int>{-1, -1, 15, 15} << true;
    }

    void planOfARecord()
    {
        QFETCH(QString, character);
        QFETCH(QList<PositionPicture>, pictures);
        QFETCH(QList<int>, diagrams);
        Session s;
        s->query().setText(character); // its change runs the lookup
        QCOMPARE(s->outcome(), Outcome::Found);
        QCOMPARE(s->plan().character, character);
        QVERIFY(s->plan().drawingExpected);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(s->plan().positions[i].picture, pictures[i]);
            QCOMPARE(s->plan().positions[i].diagram, diagrams[i]);
            const bool drawn = pictures[i] == PositionPicture::Drawing;
            const QList<QPoint> seeds = drawn ? QList<QPoint>{QPoint(300, 600)} : QList<QPoint>();
            QCOMPARE(s->plan().positions[i].seeds, seeds);
        }
        QTEST(s->plan().keepsQuery, "keepsQuery");
        QCOMPARE(s->query().text(), s->plan().keepsQuery ? character : QString());
    }

    // A record without fill points may have no drawing: it shows itself alone.
    void recordWithoutFillPoints()
    {
        Session s;
        s->entryChanged(u"彧"_s);
        QCOMPARE(s->outcome(), Outcome::Found);
        QCOMPARE(s->codeLine(), u"ak  akgr"_s);
        QVERIFY(!s->plan().drawingExpected);
        const LookupPlan alone = s->plan().withoutDrawing();
        QCOMPARE(alone.positions[0].picture, PositionPicture::CharacterOnly);
        for (int i = 1; i < 4; ++i)
            QCOMPARE(alone.positions[i].picture, PositionPicture::Empty);
        QCOMPARE(alone.codeLine, s->codeLine());
    }

    void strokes_data()
    {
        QTest::addColumn<QStringList>("choosers");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<QString>("pinyin");

        QTest::newRow("一") << QStringList{u"一"_s} << u"10000"_s << QStringList{u"一"_s} << u"yi    "_s;
        QTest::newRow("十 丁") << QStringList{u"一"_s, u"丨"_s} << u"12000"_s << QStringList{u"十"_s, u"丁"_s}
                              << u"shi   "_s;
        QTest::newRow("nobody") << QStringList{u"一"_s, u" "_s, u"一"_s} << u"10100"_s << QStringList{} << QString();
        QTest::newRow("typed text is no stroke") << QStringList{u"一"_s, u"x"_s} << u"10000"_s << QStringList{u"一"_s}
                                                 << u"yi    "_s;
    }

    void strokes()
    {
        QFETCH(QStringList, choosers);
        Session s;
        s->entryChanged(u"峰"_s);
        std::array<QString, 5> fields;
        for (int i = 0; i < 5; ++i)
            fields[i] = i < choosers.size() ? choosers[i] : u" "_s;
        s.changes.clear();
        s->strokesChosen(fields);
        QTEST(s->strokeKey(), "key");
        QTEST(s->candidates(), "candidates");
        QTEST(s->pinyin(), "pinyin");
        QCOMPARE(s.changes.contains(Change::FocusCandidates), !s->candidates().isEmpty());
        QCOMPARE(s->precedingPosition(), 0);
    }

    void syllables_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<QString>("pinyin");

        QTest::newRow("exactly zhu") << u"zhu"_s << QStringList{u"猪"_s, u"主"_s} << u"zhu"_s;
        QTest::newRow("capitals as small letters") << u"ZHU"_s << QStringList{u"猪"_s, u"主"_s} << u"zhu"_s;
        QTest::newRow("no syllable yet") << u"zh"_s << QStringList{} << u"feng  "_s;
        QTest::newRow("seven letters: no search") << u"zhuangx"_s << QStringList{} << u"feng  "_s;
    }

    void syllables()
    {
        QFETCH(QString, typed);
        Session s;
        s->entryChanged(u"峰"_s);
        s->syllableTyped(typed);
        QTEST(s->candidates(), "candidates");
        QTEST(s->pinyin(), "pinyin");
        QCOMPARE(s->codeLine(), s->candidates().isEmpty() ? u"mtd  mtdh"_s : u"qt  qtfj"_s);
    }

    // 一 by strokes, then "a", then 一 again: the same key searches again.
    void everyPickSearches()
    {
        Session s;
        const std::array<QString, 5> one = {u"一"_s, u" "_s, u" "_s, u" "_s, u" "_s};
        s->strokesChosen(one);
        s->syllableChosen(u"a"_s);
        QCOMPARE(s->candidates(), (QStringList{u"啊"_s, u"阿"_s, u"吖"_s}));
        s->strokesChosen(one);
        QCOMPARE(s->candidates(), QStringList{u"一"_s});
        QCOMPARE(s->plan().character, u"一"_s);
        s->syllableChosen(u"a"_s);
        QCOMPARE(s->plan().character, u"啊"_s);
        s->syllableChosen(u"a"_s); // the same syllable again after nothing else
        QCOMPARE(s->candidates(), (QStringList{u"啊"_s, u"阿"_s, u"吖"_s}));
        QCOMPARE(s->pinyinKey(), u"a     "_s);
        QCOMPARE(s->keyKind(), KeyKind::Syllable);
    }

    // A character picked again shows its pinyin again, also when a stroke
    // search without candidates has cleared it in between.
    void samePickShowsItsPinyinAgain()
    {
        Session s;
        s->entryChanged(u"峰"_s);
        s->strokesChosen({u"一"_s, u" "_s, u"一"_s, u" "_s, u" "_s});
        QCOMPARE(s->pinyin(), QString());
        s->keyReleasedAt(u"峰"_s, 1);
        QCOMPARE(s->pinyin(), u"feng  "_s);
    }

    void keyReleasedTakesTheCharacterBeforeTheCaret()
    {
        Session s;
        s->keyReleasedAt(u"猪峰"_s, 1);
        QCOMPARE(s->plan().character, u"猪"_s);
        s->keyReleasedAt(u"猪峰"_s, 0); // nothing in front: nothing happens
        QCOMPARE(s->plan().character, u"猪"_s);
        s->characterPicked(u"猪峰"_s); // two selected: the query stays, no pinyin line
        QCOMPARE(s->plan().character, u"猪"_s);
        QCOMPARE(s->pinyinKey(), u"猪峰"_s);
        QCOMPARE(s->pinyin(), QString());
    }

private:
    static bool isBlankText(const QString& text) { return text.trimmed().isEmpty(); }
};

QTEST_GUILESS_MAIN(InputSessionTest)
#include "tst_input_session.moc"
