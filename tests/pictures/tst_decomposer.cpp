// The decomposition engine on the reviewed root table, checked against
// decompositions worked out by hand from the Wubi 98 rules.
#include "tools/pictures/decomposer.h"
#include "tools/pictures/known_parts.h"
#include "tools/pictures/root_codes.h"
#include "tools/pictures/stroke_outlines.h"

#include <QDir>

#include <QTest>

using namespace lumbrell::data;

Q_DECLARE_METATYPE(PositionKind)

namespace {

// "1,2,3" → {0,1,2}; "id" → identification; "" → blank.
CodePosition expected(const QString& text)
{
    if (text.isEmpty())
        return {};
    if (text == u"id")
        return {PositionKind::Identification, {}, {}};
    CodePosition p{PositionKind::Component, {}, {}};
    for (const QString& n : text.split(u','))
        p.strokes.push_back(n.toInt() - 1);
    return p;
}

QString shown(const CodePosition& p)
{
    if (p.kind == PositionKind::Blank)
        return {};
    if (p.kind == PositionKind::Identification)
        return QStringLiteral("id");
    QStringList n;
    for (int s : p.strokes)
        n << QString::number(s + 1);
    return n.join(u',');
}

} // namespace

class TestDecomposer : public QObject {
    Q_OBJECT
    RootTable roots;

    // The built-in table with each root's shape from its drawing.
    static RootTable rootsWithDrawings()
    {
        RootTable table; // loaded afresh: a table's key lists point into its own roots
        QString error;
        if (!table.loadBuiltIn(&error))
            qFatal("%s", qPrintable(error));
        table.attachShapes([](const QString& glyph) {
            StrokeOutlines own;
            QString missing; // roots without a drawing go by their classes
            if (glyph.toUcs4().size() != 1 || !loadStrokeOutlines(QStringLiteral(HANZI_WRITER_DIR), glyph, own, &missing))
                return std::vector<QPolygonF>();
            return own.medians;
        });
        return table;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        QVERIFY2(roots.loadBuiltIn(&error), qPrintable(error));
    }

    void knownCharacters_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QStringList>("positions");
        auto row = [](const char* ch, const char* code, const char* classes, QStringList positions) {
            QTest::newRow(ch) << QString::fromLatin1(code) << QString::fromLatin1(classes) << positions;
        };
        // Two components and an identification letter.
        row("中", "khk", "2512", {"1,2,3", "4", "id", ""});
        row("边", "epe", "53454", {"1,2", "3,4,5", "id", ""});   // 辶 last: 力's 丿 names the letter
        row("这", "ypi", "4134454", {"1,2,3,4", "5,6,7", "id", ""});
        row("区", "ari", "1345", {"1,4", "2,3", "id", ""});      // 匚 closes after 乂
        row("困", "lsi", "2512341", {"1,2,7", "3,4,5,6", "id", ""}); // 囗 closes last
        row("成", "dnv", "135534", {"1,2,4,5,6", "3", "id", ""}); // 戊 around 𠃌
        row("束", "skd", "1251234", {"1,5,6,7", "2,3,4", "id", ""}); // 木 crossed by 口
        row("可", "skd", "12512", {"1,5", "2,3,4", "id", ""});
        row("必", "nte", "45434", {"1,2,3,5", "4", "id", ""});
        // Three components and an identification letter; the largest root first.

        row("你", "wqiy", "3235234", {"1,2", "3,4", "5,6,7", "id"});
        row("国", "lgyi", "25112141", {"1,2,8", "3,4,5,6", "7", "id"});
        row("的", "rqyy", "32511354", {"1,2,3,4,5", "6,7", "8", "id"});
        row("速", "skpd", "1251234454", {"1,5,6,7", "2,3,4", "8,9,10", "id"}); // 束's letter, then 辶
        // Four or more: the first three and the last.
        row("峰", "mtdh", "2523541112", {"1,2,3", "4,5,6", "7,8,9", "10"}); // 丰 is 三 and 丨
        row("割", "pdhj", "445111225122", {"1,2,3", "4,5,6", "7", "11,12"});
        row("鸿", "iaqg", "44112135451", {"1,2,3", "4,5,6", "7,8,9,10", "11"}); // 鸟 is 鸟头 and 一
        row("驾", "ekcg", "53251551", {"1,2", "3,4,5", "6,7", "8"});
        row("袋", "waye", "32154413534", {"1,2", "3,4", "5", "9,10,11"}); // 弋 is 七 and 丶
        row("弋", "ayi", "154", {"1,2", "3", "id", ""});
        row("傻", "wtlt", "3232534134354", {"1,2", "3", "4,5,8", "11,12,13"}); // 囗 around 乂, then 八 夂
        row("卧", "ahnh", "12512524", {"1,6", "2", "3,4", "7,8"}); // 匚 around 丨 コ 丨, then 卜
        row("垂", "tfad", "31212211", {"1", "2,3,4", "5,6,7,8", "id"}); // 丿, 土 with its long 丨, 龷
        row("睡", "htfa", "2511131212211", {"1,2,3,4,5", "6", "7,8,9", "10,11,12,13"});
        row("赢", "yemy", "41525135112534354", {"1,2,3,4,5,6", "7,8,9,10", "11,12,13,14", "17"}); // 亡口 月 贝 … 丶
        row("步", "hhr", "2121233", {"1,2,3,4", "5,6,7", "id", ""}); // 步 has two components: its foot is one
        row("黎", "tqti", "312343533424134", {"1,2,3,4,5", "6,7", "8", "11,12,13,14,15"}); // 犭 is typed whole only alone
        row("倔", "wnbm", "3251352252", {"1,2", "3,4,5", "6,7", "8,9,10"});
        row("器", "kkdk", "2512511344251251", {"1,2,3", "4,5,6", "7,8,9,10", "14,15,16"});
        row("啊", "kbsk", "2515212512", {"1,2,3", "4,5", "6,10", "7,8,9"});
        row("鼻", "thlj", "32511125121132", {"1", "2,3,4,5,6", "7,8,9,10,11", "13,14"});
        row("骑", "cgdk", "55113412512", {"1,2", "3", "4,5,6", "8,9,10"}); // last 口 inside 丁
        // Key names, characters that are components, single strokes.
        row("王", "gggg", "1121", {"1,2,3,4", "1,2,3,4", "1,2,3,4", "1,2,3,4"});
        row("五", "gghg", "1251", {"1,2,3,4", "1", "2", "4"});
        row("八", "wty", "34", {"1,2", "1", "2", ""});
        row("十", "fgh", "12", {"1,2", "1", "2", ""});
        row("犭", "qttt", "353", {"1,2,3", "1", "2", "3"}); // letters that do not spell the classes
        row("一", "ggll", "1", {"1", "1", "id", "id"});
        row("乙", "nnll", "5", {"1", "1", "id", "id"});
    }

    void knownCharacters()
    {
        QFETCH(QString, code);
        QFETCH(QString, classes);
        QFETCH(QStringList, positions);
        const Decomposition d = decompose(roots, QString::fromUtf8(QTest::currentDataTag()), code, classes);
        QVERIFY2(d.ok(), qPrintable(d.reason));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(shown(d.positions[size_t(k)]), shown(expected(positions[k])));
    }

    // Splits the classes allow in more than one way, told apart by the shapes
    // of hanzi-writer-data's drawings.
    void drawnCharacters_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QStringList>("positions");
        auto row = [](const char* ch, const char* code, const char* classes, QStringList positions) {
            QTest::newRow(ch) << QString::fromLatin1(code) << QString::fromLatin1(classes) << positions;
        };
        row("民", "nav", "51515", {"1,2,3", "4,5", "id", ""}); // 民's head is drawn narrower than 已
        row("眠", "hnan", "2511151515", {"1,2,3,4,5", "6,7,8", "9,10", "id"});
        row("氓", "ynna", "41551515", {"1,2", "3", "4,5,6", "7,8"});
        row("斌", "ygay", "413411212154", {"1,2,3,4", "5", "6,11", "12"}); // 弋头 around 止, not 工 cutting it
        row("赋", "mgay", "253411212154", {"1,2,3,4", "5", "6,11", "12"});
        row("谑", "yhag", "45215315151", {"1,2", "3,4,5,6,7,8", "9,10", "11"}); // 虍 whole, then 虐's foot
        row("概", "svaq", "1234511541535", {"1,2,3,4", "5,6,7,8,9", "10,11", "12,13"}); // 旡 as in 既
        row("榘", "tdas", "3113415151234", {"1,2", "3,4,5", "6,9", "10,11,12,13"}); // 匚 around コ, as in 矩
        row("狴", "qtxf", "3531535121", {"1,2", "3", "4,5", "8,9,10"}); // 犭 ends where its 丿 does, then 比
        row("暨", "vaqg", "51154153525111", {"1,2,3,4,5", "6,7", "8,9", "14"}); // 旡's 匚 holds nothing
    }

    void drawnCharacters()
    {
        QFETCH(QString, code);
        QFETCH(QString, classes);
        QFETCH(QStringList, positions);
        const QString ch = QString::fromUtf8(QTest::currentDataTag());
        if (!QDir(QStringLiteral(HANZI_WRITER_DIR)).exists())
            QSKIP("hanzi-writer-data has not been fetched into the source cache");
        StrokeOutlines drawing;
        QString error;
        QVERIFY2(loadStrokeOutlines(QStringLiteral(HANZI_WRITER_DIR), ch, drawing, &error), qPrintable(error));
        const RootTable drawnRoots = rootsWithDrawings();
        const Decomposition d = decompose(drawnRoots, ch, code, classes, &drawing.medians);
        QVERIFY2(d.ok(), qPrintable(d.reason));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(shown(d.positions[size_t(k)]), shown(expected(positions[k])));
    }

    // A character ending in another one drawn alike splits that part as the
    // other splits itself, where the code allows it: the largest first alone
    // would take 䒑 for 半's 丷 in 拌 and 𧘇's last three strokes in 袋.
    void followsKnownEnding_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("partCode");
        QTest::addColumn<QString>("partClasses");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QStringList>("positions");
        QTest::newRow("拌") << "半" << "ugk" << "43112" << "rugh" << "12143112" << QStringList{"1,2,3", "4,5", "6,7,8", "id"};
        QTest::newRow("袋") << "衣" << "yeu" << "413534" << "waye" << "32154413534"
                           << QStringList{"1,2", "3,4", "5", "8,9,10,11"};
        QTest::newRow("澧") << "豆" << "gkuf" << "1251431" << "imau" << "4412512211251431"
                           << QStringList{"1,2,3", "4,5", "6,7,8,9", "14,15,16"};
        QTest::newRow("镁") << "美" << "ugdu" << "431121134" << "qugd" << "31115431121134"
                           << QStringList{"1,2,3,4,5", "6,7", "8,9,10,11", "12,13,14"};
    }

    void followsKnownEnding()
    {
        QFETCH(QString, part);
        QFETCH(QString, partCode);
        QFETCH(QString, partClasses);
        QFETCH(QString, code);
        QFETCH(QString, classes);
        QFETCH(QStringList, positions);
        const QString ch = QString::fromUtf8(QTest::currentDataTag());
        if (!QDir(QStringLiteral(HANZI_WRITER_DIR)).exists())
            QSKIP("hanzi-writer-data has not been fetched into the source cache");
        const RootTable drawnRoots = rootsWithDrawings();
        StrokeOutlines partDrawing, drawing;
        QString error;
        QVERIFY2(loadStrokeOutlines(QStringLiteral(HANZI_WRITER_DIR), part, partDrawing, &error), qPrintable(error));
        QVERIFY2(loadStrokeOutlines(QStringLiteral(HANZI_WRITER_DIR), ch, drawing, &error), qPrintable(error));
        KnownParts known;
        known.add(partClasses, partDrawing.medians, decompose(drawnRoots, part, partCode, partClasses, &partDrawing.medians));
        const std::vector<KnownPart> ending = known.endingOf(classes, drawing.medians);
        QCOMPARE(ending.size(), size_t(1));
        QCOMPARE(ending[0].to - ending[0].from, int(partClasses.size()));
        const Decomposition d = decompose(drawnRoots, ch, code, classes, &drawing.medians, &ending);
        QVERIFY2(d.ok(), qPrintable(d.reason));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(shown(d.positions[size_t(k)]), shown(expected(positions[k])));
    }

    // A character beginning with another one drawn alike takes that part
    // only where its code begins with the part's own first key: 悲 hdhn
    // begins with 非 hdhd; a code beginning with another key is typed from
    // another first root, which the part cannot guide.
    void beginningTypedWithItsFirstKey_data()
    {
        QTest::addColumn<char>("firstKey");
        QTest::addColumn<int>("parts");
        QTest::newRow("the part's own first key") << 'h' << 1;
        QTest::newRow("another first key") << 'k' << 0;
    }

    void beginningTypedWithItsFirstKey()
    {
        QFETCH(char, firstKey);
        QFETCH(int, parts);
        if (!QDir(QStringLiteral(HANZI_WRITER_DIR)).exists())
            QSKIP("hanzi-writer-data has not been fetched into the source cache");
        const RootTable drawnRoots = rootsWithDrawings();
        StrokeOutlines partDrawing, drawing;
        QString error;
        QVERIFY2(loadStrokeOutlines(QStringLiteral(HANZI_WRITER_DIR), QStringLiteral("非"), partDrawing, &error),
                 qPrintable(error));
        QVERIFY2(loadStrokeOutlines(QStringLiteral(HANZI_WRITER_DIR), QStringLiteral("悲"), drawing, &error),
                 qPrintable(error));
        const QString partClasses = QStringLiteral("21112111");
        KnownParts known;
        known.add(partClasses, partDrawing.medians,
                  decompose(drawnRoots, QStringLiteral("非"), QStringLiteral("hdhd"), partClasses, &partDrawing.medians),
                  QStringLiteral("hdhd"), PartKeys::First);
        const std::vector<KnownPart> beginning = known.beginningOf(QStringLiteral("211121114544"), drawing.medians, firstKey);
        QCOMPARE(int(beginning.size()), parts);
        if (parts > 0) {
            QCOMPARE(beginning[0].from, 0);
            QCOMPARE(beginning[0].to, 8);
            QVERIFY(beginning[0].keys.empty()); // only the first key binds
        }
    }

    void codeThatNoSplitExplains_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("classes");
        QTest::newRow("letter against the last stroke") << "khg" << "2512"; // 中 ends in 丨, not 一
        QTest::newRow("no root of the key") << "zzz" << "2512";
        QTest::newRow("malformed classes") << "khk" << "25x2";
        QTest::newRow("code too short") << "kh" << "2512";
        QTest::newRow("no strokes") << "khk" << "";
    }

    void codeThatNoSplitExplains()
    {
        QFETCH(QString, code);
        QFETCH(QString, classes);
        const Decomposition d = decompose(roots, QStringLiteral("中"), code, classes);
        QVERIFY(!d.ok());
        QVERIFY(!d.reason.isEmpty());
    }

    void identificationLetters_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<char>("strokeClass");
        QTest::newRow("横") << "gfd" << '1';
        QTest::newRow("竖") << "hjk" << '2';
        QTest::newRow("撇") << "tre" << '3';
        QTest::newRow("捺") << "yui" << '4';
        QTest::newRow("折") << "nbv" << '5';
    }

    void identificationLetters()
    {
        QFETCH(QString, letters);
        QFETCH(char, strokeClass);
        for (char letter = 'a'; letter <= 'z'; ++letter)
            QCOMPARE(identificationFits(letter, strokeClass), letters.contains(QLatin1Char(letter)));
    }

    // The shapes of the roots turn down a 山 whose classes match strokes that
    // are really 冂 and a 丨 inside it.
    void shapesRuleOutLookAlikes()
    {
        RootTable table;
        QString error;
        QVERIFY(table.parse(QStringLiteral("山\tm\t252\n冂\tm\t25\n丨\th\t2\n口\tk\t251\n"), &error));
        const std::vector<QPolygonF> mountain{QPolygonF{{50, 0}, {50, 100}}, QPolygonF{{0, 40}, {0, 100}, {100, 100}},
                                              QPolygonF{{100, 40}, {100, 100}}};
        table.attachShapes([&](const QString& glyph) {
            return glyph == u"山" ? mountain : std::vector<QPolygonF>();
        });
        const std::vector<QPolygonF> strokes{
            QPolygonF{{30, 0}, {30, 30}}, QPolygonF{{30, 0}, {70, 0}, {70, 30}}, QPolygonF{{30, 30}, {70, 30}}, // 口
            QPolygonF{{10, 40}, {10, 100}}, QPolygonF{{10, 40}, {90, 40}, {90, 100}},                           // 冂
            QPolygonF{{50, 40}, {50, 100}}, QPolygonF{{60, 45}, {60, 95}}};                                     // 丨 丨
        const QString code = QStringLiteral("kmhh"), classes = QStringLiteral("2512522");

        const Decomposition blind = decompose(table, QStringLiteral("x"), code, classes);
        QCOMPARE(shown(blind.positions[1]), QStringLiteral("4,5,6")); // the larger 山 wins on classes alone
        QCOMPARE(shown(blind.positions[3]), QStringLiteral("id"));

        const Decomposition seen = decompose(table, QStringLiteral("x"), code, classes, &strokes);
        QCOMPARE(shown(seen.positions[1]), QStringLiteral("4,5"));
        QCOMPARE(shown(seen.positions[2]), QStringLiteral("6"));
        QCOMPARE(shown(seen.positions[3]), QStringLiteral("7"));
    }

    // A root that is a character must be typed as that character is.
    void rootsAgainstOwnCodes_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("classes");
        QTest::addColumn<bool>("agrees");
        QTest::newRow("五 first, second, last") << "五\tg\t1251" << "gghg" << "1251" << true;
        QTest::newRow("八 two strokes") << "八\tw\t34" << "wty" << "34" << true;
        QTest::newRow("王 key name") << "王\tg\t1121" << "gggg" << "1121" << true;
        QTest::newRow("一 single stroke") << "一\tg\t1" << "ggll" << "1" << true;
        QTest::newRow("犭 typed with other single strokes") << "犭\tq\t353" << "qttt" << "353" << true;
        QTest::newRow("丰 is 三 and 丨") << "丰\td\t1112" << "dhk" << "1112" << false;
        QTest::newRow("开 is 一 and 廾") << "开\ta\t1132" << "gak" << "1132" << false;
        QTest::newRow("马 is 马头 and 一") << "马\tc\t551" << "cgd" << "551" << false;
        QTest::newRow("spelled on another key") << "八\tr\t34" << "wty" << "34" << false;
        QTest::newRow("cut short") << "五\tg\t1251" << "ggh" << "1251" << false;
    }

    void rootsAgainstOwnCodes()
    {
        QFETCH(QString, line);
        QFETCH(QString, code);
        QFETCH(QString, classes);
        QFETCH(bool, agrees);
        RootTable table;
        QString error;
        QVERIFY2(table.parse(line, &error), qPrintable(error));
        const QString glyph = table.roots().front().glyph;
        const QStringList conflicts = rootsAgainstTheirCodes(table, {{glyph, {code, classes}}});
        QCOMPARE(conflicts.isEmpty(), agrees);
        QVERIFY(rootsAgainstTheirCodes(table, {{QStringLiteral("口"), {code, classes}}}).isEmpty()); // not a character of the codes
    }

    // Where every split has some root unlike its drawing (here 口), the one
    // with the fewest such roots wins over the larger 山.
    void fewestUnlikeRootsWin()
    {
        RootTable table;
        QString error;
        QVERIFY(table.parse(QStringLiteral("山\tm\t252\n冂\tm\t25\n丨\th\t2\n口\tk\t251\n"), &error));
        const std::vector<QPolygonF> mountain{QPolygonF{{50, 0}, {50, 100}}, QPolygonF{{0, 40}, {0, 100}, {100, 100}},
                                              QPolygonF{{100, 40}, {100, 100}}};
        const std::vector<QPolygonF> bars{QPolygonF{{0, 0}, {100, 0}}, QPolygonF{{0, 50}, {100, 50}},
                                          QPolygonF{{0, 100}, {100, 100}}};
        table.attachShapes([&](const QString& glyph) {
            return glyph == u"山" ? mountain : glyph == u"口" ? bars : std::vector<QPolygonF>();
        });
        const std::vector<QPolygonF> strokes{
            QPolygonF{{30, 0}, {30, 30}}, QPolygonF{{30, 0}, {70, 0}, {70, 30}}, QPolygonF{{30, 30}, {70, 30}}, // 口
            QPolygonF{{10, 40}, {10, 100}}, QPolygonF{{10, 40}, {90, 40}, {90, 100}},                           // 冂
            QPolygonF{{50, 40}, {50, 100}}, QPolygonF{{60, 45}, {60, 95}}};                                     // 丨 丨
        const Decomposition d = decompose(table, QStringLiteral("x"), QStringLiteral("kmhh"),
                                          QStringLiteral("2512522"), &strokes);
        QVERIFY(d.classesOnly);
        QCOMPARE(shown(d.positions[1]), QStringLiteral("4,5"));
        QCOMPARE(shown(d.positions[3]), QStringLiteral("7"));
    }

    void rootTableLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "木\ts\t1234" << true;
        QTest::newRow("enclosing") << "囗\tl\t25|1" << true;
        QTest::newRow("written last") << "辶\tp\t454\tlast" << true;
        QTest::newRow("comment and blank lines") << "# roots\n\n口\tk\t251  # mouth" << true;
        QTest::newRow("key out of range") << "口\tz\t251" << false;
        QTest::newRow("class digit 6") << "口\tk\t261" << false;
        QTest::newRow("two splits") << "口\tk\t2|5|1" << false;
        QTest::newRow("empty tail") << "口\tk\t25|" << false;
        QTest::newRow("unknown flag") << "口\tk\t251\tfirst" << false;
        QTest::newRow("shape borrowed") << "コ\tn\t51\tlike 巨:2,3" << true;
        QTest::newRow("written last, shape borrowed") << "辶\tp\t454\tlast\tlike 这:5,6,7" << true;
        QTest::newRow("borrowed strokes miscounted") << "コ\tn\t51\tlike 巨:2" << false;
        QTest::newRow("borrowed from two characters") << "コ\tn\t51\tlike 巨臣:2,3" << false;
        QTest::newRow("borrowed stroke 0") << "コ\tn\t51\tlike 巨:0,3" << false;
        QTest::newRow("last after like") << "コ\tn\t51\tlike 巨:2,3\tlast" << false;
        QTest::newRow("missing classes") << "口\tk" << false;
        QTest::newRow("seven columns") << "口\tk\t251\t-\t-\t-\t-" << true;
        QTest::newRow("seven columns, all set") << "辶\tp\t454\tlast\talone\t这\t这:5,6,7" << true;
        QTest::newRow("six columns") << "口\tk\t251\t-\t-\t-" << false;
        QTest::newRow("order column unknown") << "口\tk\t251\tfirst\t-\t-\t-" << false;
        QTest::newRow("use column unknown") << "口\tk\t251\t-\tlast\t-\t-" << false;
        QTest::newRow("form of two characters") << "干\tg\t112\t-\t-\t半拌\t-" << false;
        QTest::newRow("shape column miscounted") << "干\tg\t112\t-\t-\t半\t半:3,4" << false;
        QTest::newRow("older form name of two characters") << "干(半拌)\tg\t112" << false;
        QTest::newRow("eight columns, tie number") << "人\tw\t34\t-\t-\t-\t-\t1\n八\tw\t34\t-\t-\t-\t-\t2" << true;
        QTest::newRow("tie number not a number") << "口\tk\t251\t-\t-\t-\t-\tfirst" << false;
        QTest::newRow("tie number 0") << "口\tk\t251\t-\t-\t-\t-\t0" << false;
        QTest::newRow("same strokes, no tie numbers") << "人\tw\t34\n八\tw\t34" << false;
        QTest::newRow("same strokes, one tie number") << "人\tw\t34\t-\t-\t-\t-\t1\n八\tw\t34" << false;
        QTest::newRow("same strokes, same tie number")
            << "人\tw\t34\t-\t-\t-\t-\t1\n八\tw\t34\t-\t-\t-\t-\t1" << false;
        QTest::newRow("same strokes written around others, no tie numbers") << "木\ts\t1234\n木\ts\t1|234" << false;
        QTest::newRow("same strokes on other keys") << "厶\tc\t54\n㇜\tn\t54" << true;
        QTest::newRow("same strokes, one typed only alone") << "犭\tq\t353\talone\n犭\tq\t353" << true;
        QTest::newRow("nothing") << "# only a comment" << false;
    }

    void rootTableLines()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        RootTable table;
        QString error;
        QCOMPARE(table.parse(text, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
    }

    // A root borrows the strokes it names from the character it is like.
    void borrowedShape()
    {
        RootTable table;
        QString error;
        QVERIFY(table.parse(QStringLiteral("コ\tn\t51\tlike 巨:2,3\n"), &error));
        const std::vector<QPolygonF> ju{QPolygonF{{0, 0}, {9, 0}}, QPolygonF{{2, 2}, {8, 2}, {8, 5}},
                                        QPolygonF{{2, 5}, {8, 5}}, QPolygonF{{0, 0}, {0, 9}, {9, 9}}};
        table.attachShapes([&](const QString& glyph) { return glyph == u"巨" ? ju : std::vector<QPolygonF>(); });
        const Root& root = table.roots().front();
        QCOMPARE(root.shape.size(), size_t(2));
        QCOMPARE(root.shape[0], ju[1]);
        QCOMPARE(root.shape[1], ju[2]);
    }

    // The form a root takes in another character is a column; the older
    // "X(Y)" name reads as the same row. Such a row is no character of its
    // own: it has no drawing but the one it borrows.
    void rootInAnotherCharactersForm()
    {
        RootTable table;
        QString error;
        QVERIFY2(table.parse(QStringLiteral("干\tg\t112\t-\t-\t半\t-\n力(为)\te\t35\n力\te\t53\n"), &error),
                 qPrintable(error));
        QCOMPARE(table.roots()[0].glyph, QStringLiteral("干"));
        QCOMPARE(table.roots()[0].form, QStringLiteral("半"));
        QCOMPARE(table.roots()[1].glyph, QStringLiteral("力"));
        QCOMPARE(table.roots()[1].name(), QStringLiteral("力(为)"));
        QVERIFY(!table.hasGlyph(QStringLiteral("干"), 'g'));
        const std::vector<QPolygonF> two{QPolygonF{{0, 0}, {9, 0}}, QPolygonF{{0, 0}, {0, 9}}};
        const std::vector<QPolygonF> three{QPolygonF{{0, 0}, {9, 0}}, QPolygonF{{0, 5}, {9, 5}}, QPolygonF{{5, 0}, {5, 9}}};
        table.attachShapes([&](const QString& glyph) { return glyph == u"力" ? two : three; });
        QVERIFY(table.roots()[0].shape.empty());
        QVERIFY(table.roots()[1].shape.empty());
        QCOMPARE(table.roots()[2].shape.size(), size_t(2));
    }

    void rootTableParts()
    {
        RootTable table;
        QString error;
        QVERIFY(table.parse(QStringLiteral("囗\tl\t25|1\n辶\tp\t454\tlast\n"), &error));
        QCOMPARE(table.roots().size(), size_t(2));
        const Root& enclosure = table.roots()[0];
        QCOMPARE(enclosure.head, std::string("25"));
        QCOMPARE(enclosure.tail, std::string("1"));
        QVERIFY(enclosure.encloses());
        QVERIFY(table.roots()[1].writtenLast);
        QCOMPARE(table.rootsOfKey('l').size(), size_t(1));
        QVERIFY(table.hasGlyph(QStringLiteral("辶"), 'p'));
        QVERIFY(!table.hasGlyph(QStringLiteral("辶"), 'l'));
    }

    // A root typed only alone is a character that is a component, never a
    // part of another character's split.
    void rootTypedOnlyAlone()
    {
        RootTable table;
        QString error;
        QVERIFY(table.parse(QStringLiteral("犭\tq\t353\talone\n⺈\tq\t35\n丿\tt\t3\n口\tk\t251\n一\tg\t1\n"), &error));
        QVERIFY(table.hasGlyph(QStringLiteral("犭"), 'q'));
        QCOMPARE(table.rootsOfKey('q').size(), size_t(1));
        QCOMPARE(decompose(table, QStringLiteral("犭"), QStringLiteral("qttt"), QStringLiteral("353")).kind,
                 DecompositionKind::ComponentCharacter);
        // 口 犭 丿 一 would be the largest first.
        const Decomposition d = decompose(table, QStringLiteral("x"), QStringLiteral("kqtg"), QStringLiteral("25135331"));
        QCOMPARE(shown(d.positions[1]), QStringLiteral("4,5"));
        QCOMPARE(shown(d.positions[2]), QStringLiteral("6"));
        QCOMPARE(shown(d.positions[3]), QStringLiteral("8"));
    }

    // Where two rows of one key fit the same strokes and nothing else tells
    // the splits apart, the smaller tie number names the root, whatever the
    // order of the lines (从 wwy: 人 人 or 八 八).
    void tieNumberNamesTheRoot_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("root");
        QTest::newRow("人 first, listed first") << "人\tw\t34\t-\t-\t-\t-\t1\n八\tw\t34\t-\t-\t-\t-\t2\n" << "人";
        QTest::newRow("人 first, listed last") << "八\tw\t34\t-\t-\t-\t-\t2\n人\tw\t34\t-\t-\t-\t-\t1\n" << "人";
        QTest::newRow("八 first, listed last") << "人\tw\t34\t-\t-\t-\t-\t2\n八\tw\t34\t-\t-\t-\t-\t1\n" << "八";
    }

    void tieNumberNamesTheRoot()
    {
        QFETCH(QString, table);
        QFETCH(QString, root);
        RootTable roots;
        QString error;
        QVERIFY2(roots.parse(table, &error), qPrintable(error));
        const Decomposition d = decompose(roots, QStringLiteral("从"), QStringLiteral("wwy"), QStringLiteral("3434"));
        QVERIFY2(d.ok(), qPrintable(d.reason));
        QCOMPARE(d.positions[0].glyph, root);
        QCOMPARE(d.positions[1].glyph, root);
    }
};

QTEST_GUILESS_MAIN(TestDecomposer)
#include "tst_decomposer.moc"
