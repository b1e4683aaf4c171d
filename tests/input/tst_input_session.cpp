// The user's actions on the input session alone, without a window: the view
// each action sends, and exactly one lookup per action.
#include "formats/fill_point_format.h"
#include "formats/position_roots_format.h"
#include "input/input_session.h"
#include "input/stroke_key.h"
#include "tests/support/fixture_data.h"
#include "tests/tables/fixture_tables.h"

#include <QFile>
#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

namespace {

using Outcome = CharacterLookup::Outcome;

const QString Seeds = points({{300, 600}});

// A data file of a few records: 八 and 十 end on a diagram, 峰 has four drawn
// positions, 彧 has no fill points at all (a character without a drawing).
struct Session {
    FixtureFolder folder;
    std::unique_ptr<InputSession> session;
    QList<SessionView> views;

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
        for (const QString& drawn : {u"啊"_s, u"八"_s, u"峰"_s, u"十"_s, u"一"_s, u"猪"_s})
            folder.writeDrawing(drawn, twoBlockDrawing());
        session = std::make_unique<InputSession>(fixtureTables());
        QString error;
        if (!session->open(folder.path(), &error))
            qFatal("%s", qPrintable(error));
        session->viewChanged = [this](const SessionView& view) { views.append(view); };
    }
    InputSession* operator->() { return session.get(); }
    const SessionView& view() const { return session->view(); }
    QString shown() const { return view().lookup.character; }
    int searches() const { return session->dictionary().recordSearches(); }
};

std::array<QString, 5> strokeRow(const QStringList& chosen)
{
    std::array<QString, 5> row;
    for (int i = 0; i < 5; ++i)
        row[i] = i < chosen.size() ? chosen[i] : u" "_s;
    return row;
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class InputSessionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entryText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("codeLine");
        QTest::addColumn<QString>("reading");

        QTest::newRow("a character") << u"峰"_s << Outcome::Found << u"mtd  mtdh"_s << u"feng"_s;
        QTest::newRow("the first of two") << u"猪峰"_s << Outcome::Found << u"qt  qtfj"_s << u"zhu"_s;
        QTest::newRow("Chinese, no record") << u"吖"_s << Outcome::NotFound << QString() << u"a"_s;
        QTest::newRow("a letter") << u"a"_s << Outcome::NotChinese << QString() << QString();
        QTest::newRow("a full-width comma") << u"，"_s << Outcome::NotChinese << QString() << QString();
        QTest::newRow("a leading space is no Chinese") << u" 峰"_s << Outcome::NotChinese << QString() << QString();
    }

    void entryText()
    {
        QFETCH(QString, text);
        Session s;
        s->lookUpFirstCharacter(text);
        QCOMPARE(s.views.size(), 1);
        QTEST(s.view().lookup.outcome, "outcome");
        QTEST(s.view().lookup.plan.codeLine, "codeLine");
        QTEST(s.view().reading, "reading");
        QVERIFY(s.view().lookupChanged);
        QVERIFY(!s.view().candidatesListed);
        QVERIFY(!s.view().focusCandidates);
    }

    void blankTextChangesNothing()
    {
        Session s;
        s->lookUpFirstCharacter(u"  "_s);
        s->takeCharacterBefore(u"峰 "_s, 2);
        s->typeSyllable(u" "_s);
        QVERIFY(s.views.isEmpty());
        QCOMPARE(s.searches(), 0);
    }

    void planOfARecord_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QList<PositionPicture>>("pictures");
        QTest::addColumn<QList<int>>("diagrams");

        using P = PositionPicture;
        QTest::newRow("four drawn positions") << u"峰"_s << QList<P>{P::Drawing, P::Drawing, P::Drawing, P::Drawing}
                                              << QList<int>{-1, -1, -1, -1};
        QTest::newRow("two letters: two positions") << u"猪"_s << QList<P>{P::Drawing, P::Drawing, P::Empty, P::Empty}
                                                    << QList<int>{-1, -1, -1, -1};
        QTest::newRow("identification letter y") << u"八"_s << QList<P>{P::Drawing, P::Drawing, P::Diagram, P::Empty}
                                                 << QList<int>{-1, -1, 9, -1};
        QTest::newRow("single stroke: two l") << u"一"_s << QList<P>{P::Drawing, P::Drawing, P::Diagram, P::Diagram}
                                              << QList<int>{-1, -1, 15, 15};
    }

    void planOfARecord()
    {
        QFETCH(QString, character);
        QFETCH(QList<PositionPicture>, pictures);
        QFETCH(QList<int>, diagrams);
        Session s;
        s->lookUpFirstCharacter(character);
        const CharacterLookup& lookup = s.view().lookup;
        QCOMPARE(lookup.outcome, Outcome::Found);
        QCOMPARE(lookup.plan.character, character);
        QVERIFY(!lookup.drawing.isNull());
        QVERIFY(!lookup.unsplit);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(lookup.plan.positions[i].picture, pictures[i]);
            QCOMPARE(lookup.plan.positions[i].diagram, diagrams[i]);
            const bool drawn = pictures[i] == PositionPicture::Drawing;
            const QList<QPoint> seeds = drawn ? QList<QPoint>{QPoint(300, 600)} : QList<QPoint>();
            QCOMPARE(lookup.plan.positions[i].seeds, seeds);
        }
    }

    // A position whose field the data leaves unmarked (as the builder writes
    // 倔's fourth) shows the drawing with nothing filled; the same character
    // with fill points there is marked like any other.
    void unmarkedPositionShowsTheDrawingAlone_data()
    {
        QTest::addColumn<QString>("info4");
        QTest::addColumn<QList<QPoint>>("seeds4");
        QTest::newRow("unmarked, as built") << QString::fromLatin1(fillpoints::UnmarkedMarker) << QList<QPoint>();
        QTest::newRow("fill points") << Seeds << QList<QPoint>{QPoint(300, 600)};
    }

    void unmarkedPositionShowsTheDrawingAlone()
    {
        QFETCH(QString, info4);
        QFETCH(QList<QPoint>, seeds4);
        FixtureFolder folder;
        folder.writeRecords({{u"倔"_s, u"wnbm"_s, u"wnb"_s, u"wnbm"_s, Seeds, Seeds, Seeds, info4}});
        folder.writeDrawing(u"倔"_s, twoBlockDrawing());
        InputSession session(fixtureTables());
        QString error;
        QVERIFY2(session.open(folder.path(), &error), qPrintable(error));
        session.lookUpFirstCharacter(u"倔"_s);

        const CharacterLookup& lookup = session.view().lookup;
        QCOMPARE(lookup.outcome, Outcome::Found);
        QVERIFY(!lookup.drawing.isNull());
        QVERIFY(!lookup.unsplit);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(lookup.plan.positions[i].picture, PositionPicture::Drawing);
            QCOMPARE(lookup.plan.positions[i].seeds, i < 3 ? QList<QPoint>{QPoint(300, 600)} : seeds4);
        }
    }

    // The session reads the data folder's position-roots file: a found
    // character's view names the root of each position; one the file does not
    // list, and one not found, name nothing.
    void positionsNameTheirRoots()
    {
        FixtureFolder folder;
        folder.writeRecords({{u"峰"_s, u"mtdh"_s, u"mtd"_s, u"mtdh"_s, Seeds, Seeds, Seeds, Seeds},
                             {u"一"_s, u"ggll"_s, u"ggl"_s, u"g"_s, Seeds, Seeds, u"0"_s, u"0"_s}});
        QFile roots(folder.path() + u'/' + QLatin1String(positionroots::FileName));
        QVERIFY(roots.open(QIODevice::WriteOnly));
        roots.write("峰\tmtdh\t山\t夂\t三\t丨\n");
        roots.close();
        InputSession session(fixtureTables());
        QString error;
        QVERIFY2(session.open(folder.path(), &error), qPrintable(error));

        using Words = std::array<QString, 4>;
        session.lookUpFirstCharacter(u"峰"_s);
        const Words feng{u"码元 山 (M)"_s, u"码元 夂 (T)"_s, u"码元 三 (D)"_s, u"码元 丨 (H)"_s};
        QCOMPARE(session.view().lookup.positionWords, feng);
        session.lookUpFirstCharacter(u"一"_s);
        QCOMPARE(session.view().lookup.positionWords, Words{});
        session.lookUpFirstCharacter(u"峰"_s);
        session.lookUpFirstCharacter(u"中"_s);
        QCOMPARE(session.view().lookup.outcome, Outcome::NotFound);
        QCOMPARE(session.view().lookup.positionWords, Words{});
    }

    // A record without fill points whose drawing is missing shows itself alone.
    void recordWithoutFillPointsOrDrawing()
    {
        Session s;
        s->lookUpFirstCharacter(u"彧"_s);
        const CharacterLookup& lookup = s.view().lookup;
        QCOMPARE(lookup.outcome, Outcome::Found);
        QCOMPARE(lookup.plan.codeLine, u"ak  akgr"_s);
        QCOMPARE(lookup.plan.positions[0].picture, PositionPicture::CharacterOnly);
        for (int i = 1; i < 4; ++i)
            QCOMPARE(lookup.plan.positions[i].picture, PositionPicture::Empty);
        QVERIFY(!lookup.unsplit);
        QVERIFY(s.view().drawingFault.isEmpty()); // no fault: it may simply have none
    }

    // A record whose fill points need a drawing that is missing: a fault of
    // the data, told once per run.
    void missingDrawingIsToldOnce()
    {
        Session s;
        QVERIFY(QFile::remove(s.folder.path() + u"/bmp/峰.bmp"_s));
        QVERIFY(QFile::remove(s.folder.path() + u"/bmp/猪.bmp"_s));
        s->lookUpFirstCharacter(u"峰"_s);
        QCOMPARE(s.view().drawingFault, QStringList{s.folder.path() + u"/bmp/峰.bmp"_s});
        s->lookUpFirstCharacter(u"猪"_s);
        QCOMPARE(s.view().lookup.unusableDrawings, QStringList{s.folder.path() + u"/bmp/猪.bmp"_s});
        QVERIFY(s.view().drawingFault.isEmpty());
        QCOMPARE(s.view().lookup.plan.positions[0].picture, PositionPicture::Drawing); // its codes still show
    }

    // One action, one lookup and one view: a typed character (the entry's
    // change and the key's release), one with an identification letter, a
    // syllable pick and a stroke search.
    void oneLookupPerAction_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("shown");
        QTest::newRow("typed 峰") << u"type 峰"_s << u"峰"_s;
        QTest::newRow("typed 八, ending on an identification letter") << u"type 八"_s << u"八"_s;
        QTest::newRow("typed 一, two identification letters") << u"type 一"_s << u"一"_s;
        QTest::newRow("typed 吖, no record") << u"type 吖"_s << u"吖"_s;
        QTest::newRow("syllable zhu chosen") << u"syllable"_s << u"猪"_s;
        QTest::newRow("strokes 一丨 chosen") << u"strokes"_s << u"十"_s;
    }

    void oneLookupPerAction()
    {
        QFETCH(QString, action);
        Session s;
        if (action.startsWith(u"type "_s)) {
            const QString typed = action.mid(5);
            s->lookUpFirstCharacter(typed);      // the entry box's text changed
            s->takeCharacterBefore(typed, 1);     // the key was released
        } else if (action == u"syllable") {
            s->chooseSyllable(u"zhu"_s);
        } else {
            s->searchStrokes(strokeKeyOf(strokeRow({u"一"_s, u"丨"_s})));
        }
        QCOMPARE(s.searches(), 1);
        QCOMPARE(s.views.size(), 1);
        QTEST(s.shown(), "shown");
    }

    void strokes_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("shown");

        QTest::newRow("一") << QStringList{u"一"_s} << QStringList{u"一"_s} << u"yi"_s << u"一"_s;
        QTest::newRow("十 丁") << QStringList{u"一"_s, u"丨"_s} << QStringList{u"十"_s, u"丁"_s} << u"shi"_s << u"十"_s;
        QTest::newRow("nobody: the pinyin goes") << QStringList{u"一"_s, u" "_s, u"一"_s} << QStringList{} << QString()
                                                << u"峰"_s;
        QTest::newRow("typed text is no stroke") << QStringList{u"一"_s, u"x"_s} << QStringList{u"一"_s} << u"yi"_s
                                                 << u"一"_s;
    }

    void strokes()
    {
        QFETCH(QStringList, chosen);
        Session s;
        s->lookUpFirstCharacter(u"峰"_s);
        s.views.clear();
        s->searchStrokes(strokeKeyOf(strokeRow(chosen)));
        QCOMPARE(s.views.size(), 1);
        QVERIFY(s.view().candidatesListed);
        QTEST(s.view().candidates, "candidates");
        QTEST(s.view().reading, "reading");
        QTEST(s.shown(), "shown");
        QCOMPARE(s.view().focusCandidates, !s.view().candidates.isEmpty());
    }

    // Without a first stroke the key names no table: the candidates stay and
    // the first of them is looked up.
    void strokesWithoutAFirstStrokeKeepTheCandidates()
    {
        Session s;
        s->chooseSyllable(u"a"_s);
        s->searchStrokes(strokeKeyOf(strokeRow({u" "_s, u"丨"_s})));
        QVERIFY(!s.view().candidatesListed);
        QCOMPARE(s.view().candidates, (QStringList{u"啊"_s, u"阿"_s, u"吖"_s}));
        QCOMPARE(s.shown(), u"啊"_s);
    }

    void syllables_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("shown");

        QTest::newRow("exactly zhu") << u"zhu"_s << QStringList{u"猪"_s, u"主"_s} << u"zhu"_s << u"猪"_s;
        QTest::newRow("capitals as small letters") << u"ZHU"_s << QStringList{u"猪"_s, u"主"_s} << u"zhu"_s << u"猪"_s;
        QTest::newRow("no syllable yet") << u"zh"_s << QStringList{} << u"feng"_s << u"峰"_s;
        QTest::newRow("seven letters: no search") << u"zhuangx"_s << QStringList{} << u"feng"_s << u"峰"_s;
    }

    void syllables()
    {
        QFETCH(QString, typed);
        Session s;
        s->lookUpFirstCharacter(u"峰"_s);
        s->typeSyllable(typed);
        QTEST(s.view().candidates, "candidates");
        QTEST(s.view().reading, "reading");
        QTEST(s.shown(), "shown");
        QVERIFY(!s.view().focusCandidates); // typing keeps the focus in the field
    }

    // 一 by strokes, then "a", then 一 again: each pick lists its candidates.
    void everyPickSearches()
    {
        Session s;
        const QString one = strokeKeyOf(strokeRow({u"一"_s}));
        s->searchStrokes(one);
        s->chooseSyllable(u"a"_s);
        QCOMPARE(s.view().candidates, (QStringList{u"啊"_s, u"阿"_s, u"吖"_s}));
        QVERIFY(s.view().focusCandidates);
        s->searchStrokes(one);
        QCOMPARE(s.view().candidates, QStringList{u"一"_s});
        QCOMPARE(s.shown(), u"一"_s);
        s->chooseSyllable(u"a"_s);
        QCOMPARE(s.shown(), u"啊"_s);
        s.views.clear();
        s->chooseSyllable(u"a"_s); // the same syllable again: listed and looked up again
        QCOMPARE(s.views.size(), 1);
        QVERIFY(s.view().candidatesListed);
        QVERIFY(s.view().lookupChanged);
        QCOMPARE(s.searches(), 5);
    }

    // A character picked again shows its pinyin again, also when a stroke
    // search without candidates has cleared it in between.
    void samePickShowsItsPinyinAgain()
    {
        Session s;
        s->lookUpFirstCharacter(u"峰"_s);
        s->searchStrokes(strokeKeyOf(strokeRow({u"一"_s, u" "_s, u"一"_s})));
        QCOMPARE(s.view().reading, QString());
        s->takeCharacterBefore(u"峰"_s, 1);
        QCOMPARE(s.view().reading, u"feng"_s);
    }

    void pickedText()
    {
        Session s;
        s->takeCharacterBefore(u"猪峰"_s, 1);
        QCOMPARE(s.shown(), u"猪"_s);
        s->takeCharacterBefore(u"猪峰"_s, 0); // nothing in front: nothing happens
        QCOMPARE(s.shown(), u"猪"_s);
        s->pickText(u"猪峰"_s); // two picked: no lookup, no pinyin
        QCOMPARE(s.shown(), u"猪"_s);
        QCOMPARE(s.view().reading, QString());
        s->pickText(u"峰"_s);
        QCOMPARE(s.shown(), u"峰"_s);
        QCOMPARE(s.view().reading, u"feng"_s);
        QCOMPARE(s.searches(), 2);
    }
};

QTEST_GUILESS_MAIN(InputSessionTest)
#include "tst_input_session.moc"
