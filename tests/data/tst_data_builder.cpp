// The data builder's parts: code fields, record and table writers, source readers,
// the choice of pinyin lines, and a build that fails without touching old output.
#include "tools/data/data_build.h"
#include "tools/data/gbk_characters.h"
#include "tools/data/pinyin_choice.h"
#include "tools/data/pinyin_source.h"
#include "tools/data/record_writer.h"
#include "tools/data/stroke_sources.h"
#include "tools/data/table_writer.h"
#include "tools/data/usual_readings.h"
#include "tools/data/wubi_codes.h"

#include <QtTest>

using namespace lumbrell::data;
using lumbrell::toGbk;

Q_DECLARE_METATYPE(QList<Reading>)

namespace {
CharEntry charEntry(const QString& ch, const QString& full, const QStringList& simple = {}, const QString& strokes = {})
{
    return {ch, toGbk(ch).value_or(QByteArray()), full, simple, strokes};
}

QByteArray gbk(const QString& text) { return toGbk(text).value(); }

QString writeFixture(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}
} // namespace

class DataBuilderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gb2312HasItsCharacters()
    {
        const auto chars = gb2312Characters();
        QCOMPARE(chars.size(), size_t(6763));
        QCOMPARE(chars.front().second, QStringLiteral("啊"));
        QCOMPARE(chars.front().first, QByteArray("\xB0\xA1"));
        QCOMPARE(chars.back().first, QByteArray("\xF7\xFE"));
        QVERIFY(std::is_sorted(chars.begin(), chars.end()));
    }

    void gbkHoldsGb2312AndTheAdditions()
    {
        const auto chars = gbkCharacters();
        QVERIFY(std::is_sorted(chars.begin(), chars.end()));
        QCOMPARE(chars.front().first, QByteArray("\x81\x40"));
        const auto gb2312 = std::count_if(chars.begin(), chars.end(),
                                          [](const auto& c) { return charSetOf(c.first) != CharSet::Addition; });
        QCOMPARE(gb2312, 6763);
        for (const char* ch : {"彧", "國", "堃", "啊", "齄"})
            QVERIFY2(std::any_of(chars.begin(), chars.end(), [&](const auto& c) { return c.second == QString::fromUtf8(ch); }), ch);
    }

    void charSets_data()
    {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<int>("set");
        QTest::newRow("啊 first of level 1") << "啊" << int(CharSet::Level1);
        QTest::newRow("座 last of level 1") << "座" << int(CharSet::Level1);
        QTest::newRow("亍 first of level 2") << "亍" << int(CharSet::Level2);
        QTest::newRow("齄 last of level 2") << "齄" << int(CharSet::Level2);
        QTest::newRow("丂 lead 81") << "丂" << int(CharSet::Addition);
        QTest::newRow("國") << "國" << int(CharSet::Addition);
        QTest::newRow("〇 among the symbols") << "〇" << int(CharSet::Addition);
    }

    void charSets()
    {
        QFETCH(QString, ch);
        QFETCH(int, set);
        QCOMPARE(int(charSetOf(gbk(ch))), set);
    }

    void recordCodesEndOnTheRightLength_data()
    {
        QTest::addColumn<QString>("full");
        QTest::addColumn<QStringList>("simple");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("峰 3+4") << "mtdh" << QStringList{"mtd"} << QStringList{"mtdh", "mtd", "mtdh"};
        QTest::newRow("的 1,3+4") << "rqyy" << QStringList{"r", "rqy"} << QStringList{"rqyy", "rqy", "r"};
        QTest::newRow("国 1+4") << "lgyi" << QStringList{"l"} << QStringList{"lgyi", "", "l"};
        QTest::newRow("啊 2+4") << "kbsk" << QStringList{"kb"} << QStringList{"kbsk", "kb", "kbsk"};
        QTest::newRow("2,3+4 shows the two letters") << "abcd" << QStringList{"ab", "abc"}
                                                     << QStringList{"abcd", "ab", "abcd"};
        QTest::newRow("none+4") << "wnbm" << QStringList{} << QStringList{"wnbm", "", "wnbm"};
        QTest::newRow("中 1+3") << "khk" << QStringList{"k"} << QStringList{"khk", "k", "khk"};
        QTest::newRow("八 2+3") << "wty" << QStringList{"wt"} << QStringList{"wty", "wt", "wty"};
        QTest::newRow("none+3") << "abc" << QStringList{} << QStringList{"abc", "", "abc"};
        QTest::newRow("不: simple code off the full code") << "dhi" << QStringList{"i"}
                                                             << QStringList{"dhi", "i", "dhi"};
    }

    void recordCodesEndOnTheRightLength()
    {
        QFETCH(QString, full);
        QFETCH(QStringList, simple);
        QFETCH(QStringList, fields);
        const std::array<QString, 3> codes = recordCodes(charEntry(QStringLiteral("峰"), full, simple));
        QCOMPARE((QStringList{codes[0], codes[1], codes[2]}), fields);
    }

    void wubiCodesComeFromFirstCandidates()
    {
        using lumbrell::tablereader::TableEntry;
        // 峰 is second under mt, first under mtd; 败 first under mt.
        const std::vector<TableEntry> table{
            {"mt", QStringLiteral("峰"), 7}, {"mt", QStringLiteral("败"), 3}, {"mtd", QStringLiteral("峰"), 9},
            {"mtdh", QStringLiteral("峰"), 10}, {"mtdy", QStringLiteral("败"), 11}};
        std::vector<CharEntry> chars{charEntry(QStringLiteral("峰"), {}), charEntry(QStringLiteral("败"), {})};
        QStringList report;
        QString error;
        QVERIFY2(assignWubiCodes(table, chars, report, &error), qPrintable(error));
        QCOMPARE(chars[0].fullCode, QStringLiteral("mtdh"));
        QCOMPARE(chars[0].simpleCodes, QStringList{"mtd"});
        QCOMPARE(chars[1].simpleCodes, QStringList{"mt"});

        std::vector<CharEntry> lacking{charEntry(QStringLiteral("中"), {})};
        QVERIFY(!assignWubiCodes(table, lacking, report, &error));
        QVERIFY2(error.contains(QStringLiteral("中")), qPrintable(error));
    }

    void recordHasTheFieldLayout()
    {
        const std::array<QByteArray, 4> info{"  12  34  56  78", "0", "", ""};
        QString error;
        const auto record = charRecord(charEntry(QStringLiteral("的"), "rqyy", {"r", "rqy"}), info, &error);
        QVERIFY2(record, qPrintable(error));
        QCOMPARE(record->size(), 302);
        QCOMPARE(record->first(2), gbk(QStringLiteral("的")));
        QCOMPARE(record->mid(2, 12), QByteArray("rqyyrqy r   "));
        QCOMPARE(record->mid(14, 72), QByteArray("  12  34  56  78").leftJustified(72, ' '));
        QCOMPARE(record->mid(86, 72), QByteArray("0").leftJustified(72, ' '));
        QCOMPARE(record->mid(158, 144), QByteArray(144, ' '));
    }

    void overlongInfoIsRefused()
    {
        QString error;
        const std::array<QByteArray, 4> info{QByteArray(73, '1'), {}, {}, {}};
        QVERIFY(!charRecord(charEntry(QStringLiteral("的"), "rqyy"), info, &error));
        QVERIFY2(error.contains("Info1"), qPrintable(error));
    }

    void strokeCodes_data()
    {
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QByteArray>("code");
        QTest::newRow("一") << "1" << QByteArray("10000");
        QTest::newRow("丁") << "12" << QByteArray("12000");
        QTest::newRow("口") << "251" << QByteArray("25100");
        QTest::newRow("中: fourth stroke not repeated") << "2512" << QByteArray("25120");
        QTest::newRow("国: last stroke fifth") << "25112141" << QByteArray("25111");
        QTest::newRow("峰") << "2523541112" << QByteArray("25232");
    }

    void strokeCodes()
    {
        QFETCH(QString, classes);
        QFETCH(QByteArray, code);
        QCOMPARE(strokeCode(classes), code);
    }

    void strokeTablesGroupAndOrder()
    {
        // 耵 (level 2) and 丁 share 12000 with 十; level 1 in GBK order first.
        const std::vector<CharEntry> chars{
            charEntry(QStringLiteral("耵"), "", {}, "12"), charEntry(QStringLiteral("十"), "", {}, "12"),
            charEntry(QStringLiteral("丁"), "", {}, "12"), charEntry(QStringLiteral("一"), "", {}, "1"),
            charEntry(QStringLiteral("乙"), "", {}, "5")};
        const std::array<QByteArray, 5> tables = strokeTables(chars);
        QCOMPARE(tables[0], gbk(QStringLiteral("一")) + "10000\r\n" + gbk(QStringLiteral("丁")) + "12000\r\n"
                                + gbk(QStringLiteral("十")) + "12000\r\n" + gbk(QStringLiteral("耵")) + "12000\r\n");
        QCOMPARE(tables[4], gbk(QStringLiteral("乙")) + "50000\r\n");
        QVERIFY(tables[1].isEmpty());
    }

    void candidatesByUseWithinAKey()
    {
        // 12000: level 1 by use (十 5976 before 丁 4011), then level 2, then the additions however used.
        std::vector<CharEntry> chars{charEntry(QStringLiteral("丅"), "", {}, "12"), charEntry(QStringLiteral("耵"), "", {}, "12"),
                                     charEntry(QStringLiteral("十"), "", {}, "12"), charEntry(QStringLiteral("丁"), "", {}, "12")};
        const qint64 uses[] = {90000, 5, 5976, 4011};
        for (size_t i = 0; i < chars.size(); ++i) {
            chars[i].set = charSetOf(chars[i].gbk);
            chars[i].frequency = uses[i];
        }
        QCOMPARE(strokeTables(chars)[0], gbk(QStringLiteral("十")) + "12000\r\n" + gbk(QStringLiteral("丁")) + "12000\r\n"
                                             + gbk(QStringLiteral("耵")) + "12000\r\n" + gbk(QStringLiteral("丅")) + "12000\r\n");
        const std::vector<int> ranks = useRanks(chars);
        std::vector<PinyinLine> lines;
        for (size_t i = 0; i < chars.size(); ++i)
            lines.push_back({chars[i].gbk, QStringLiteral("ding"), ranks[i]});
        QCOMPARE(pinyinTables(lines)[0], gbk(QStringLiteral("十")) + "ding  \r\n" + gbk(QStringLiteral("丁")) + "ding  \r\n"
                                             + gbk(QStringLiteral("耵")) + "ding  \r\n" + gbk(QStringLiteral("丅"))
                                             + "ding  \r\n        \r\n");
    }

    void pinyinTablesGroupOrderAndClose()
    {
        const std::vector<PinyinLine> lines{
            {gbk(QStringLiteral("爱")), "ai"},      {gbk(QStringLiteral("啊")), "a"},
            {gbk(QStringLiteral("峰")), "feng"},    {gbk(QStringLiteral("阿")), "a"},
            {gbk(QStringLiteral("装")), "zhuang"},  {gbk(QStringLiteral("啊")), "a"}};
        const std::array<QByteArray, 5> tables = pinyinTables(lines);
        const QByteArray closing = "        \r\n";
        QCOMPARE(tables[0], gbk(QStringLiteral("啊")) + "a     \r\n" + gbk(QStringLiteral("阿")) + "a     \r\n"
                                + gbk(QStringLiteral("爱")) + "ai    \r\n" + closing);
        QCOMPARE(tables[1], gbk(QStringLiteral("峰")) + "feng  \r\n" + closing);
        QCOMPARE(tables[2], closing);
        QCOMPARE(tables[4], gbk(QStringLiteral("装")) + "zhuang\r\n" + closing);
    }

    void mostCommonReading_data()
    {
        QTest::addColumn<QList<Reading>>("readings");
        QTest::addColumn<QString>("usual");
        QTest::newRow("largest share") << QList<Reading>{{"hang", 8.22, 9}, {"xing", 91.78, 2}} << "xing";
        QTest::newRow("word use without shares") << QList<Reading>{{"pei", -1, 0}, {"pi", -1, 16}} << "pi";
        QTest::newRow("0% before a bare line") << QList<Reading>{{"yuan", -1, 0}, {"xiang", 0, 0}} << "xiang";
        QTest::newRow("dictionary order last") << QList<Reading>{{"ben", -1, 0}, {"ti", -1, 0}} << "ben";
        QTest::newRow("fo: typed, though not in the chooser") << QList<Reading>{{"fo", 90, 0}, {"fu", 10, 0}} << "fo";
        QTest::newRow("usual reading off the tables: the best usable one")
            << QList<Reading>{{"hm", 90, 0}, {"hen", 10, 0}} << "hen";
        QTest::newRow("unusable reading of no weight")
            << QList<Reading>{{"fu", 10, 0}, {"fo", -1, 0}} << "fu";
    }

    void mostCommonReading()
    {
        QFETCH(QList<Reading>, readings);
        QFETCH(QString, usual);
        QCOMPARE(lumbrell::data::mostCommonReading(std::vector<Reading>(readings.begin(), readings.end())), usual);
    }

    void secondReadingOnlyWhereTheDisplayKeepsTheUsualOne_data()
    {
        QTest::addColumn<QList<Reading>>("readings");
        QTest::addColumn<QStringList>("syllables");
        // A second character under "da" keeps the lines of the first apart.
        QTest::newRow("later table") << QList<Reading>{{"chang", 60, 0}, {"zhang", 40, 0}}
                                     << QStringList{"chang", "da", "zhang"};
        QTest::newRow("earlier table") << QList<Reading>{{"hang", 8, 0}, {"xing", 92, 0}}
                                       << QStringList{"da", "xing"};
        QTest::newRow("same table, earlier line") << QList<Reading>{{"cheng", 6, 0}, {"dang", 94, 0}}
                                                  << QStringList{"cheng", "da", "dang"};
        QTest::newRow("same table, later line") << QList<Reading>{{"cheng", 94, 0}, {"dang", 6, 0}}
                                                << QStringList{"cheng", "da"};
        QTest::newRow("rare reading") << QList<Reading>{{"le", 98.9, 0}, {"liao", 1.1, 0}}
                                      << QStringList{"da", "le"};
    }

    void secondReadingOnlyWhereTheDisplayKeepsTheUsualOne()
    {
        QFETCH(QList<Reading>, readings);
        QFETCH(QStringList, syllables);
        const std::vector<CharEntry> chars{charEntry(QStringLiteral("铛"), ""), charEntry(QStringLiteral("大"), "")};
        ReadingMap map;
        map.insert(QStringLiteral("铛"), std::vector<Reading>(readings.begin(), readings.end()));
        map.insert(QStringLiteral("大"), {{"da", -1, 0}});
        QStringList report;
        std::vector<PinyinLine> lines = choosePinyinLines(chars, map, {}, {}, report);
        sortPinyinLines(lines);
        QStringList got;
        for (const PinyinLine& line : lines)
            got.append(line.syllable);
        QCOMPARE(got, syllables);
    }

    void twoLinesOfACharacterNeverMeet()
    {
        // The second reading "ce" would sit directly before the usual "cen" line.
        const std::vector<CharEntry> chars{charEntry(QStringLiteral("铛"), "")};
        ReadingMap map;
        map.insert(QStringLiteral("铛"), {{"cen", 90, 0}, {"ce", 10, 0}});
        QStringList report;
        const std::vector<PinyinLine> lines = choosePinyinLines(chars, map, {}, {}, report);
        QCOMPARE(lines.size(), size_t(1));
        QCOMPARE(lines.front().syllable, QStringLiteral("cen"));
    }

    void usualReadingOverridesTheShares_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QStringList>("syllables");
        QTest::newRow("a reading of the dictionary") << "kai" << QStringList{"kai"};
        QTest::newRow("not a reading of the dictionary") << "qi" << QStringList{"jian", "qian"};
    }

    void usualReadingOverridesTheShares()
    {
        QFETCH(QString, given);
        QFETCH(QStringList, syllables);
        // 开 as luna_pinyin weighs it: after a traditional character read jian.
        const std::vector<CharEntry> chars{charEntry(QStringLiteral("开"), "")};
        ReadingMap map;
        map.insert(QStringLiteral("开"), {{"jian", 95, 0}, {"kai", 0, 0}, {"qian", 5, 0}});
        QStringList report;
        std::vector<PinyinLine> lines = choosePinyinLines(chars, map, {}, {{QStringLiteral("开"), given}}, report);
        sortPinyinLines(lines);
        QStringList got;
        for (const PinyinLine& line : lines)
            got.append(line.syllable);
        QCOMPARE(got, syllables);
    }

    void usualReadingsAreParsed()
    {
        QString error;
        const auto readings = parseUsualReadings(QStringLiteral("# note\n\n学\txue\n体\tti\n").toUtf8(), &error);
        QVERIFY2(readings, qPrintable(error));
        QCOMPARE(readings->size(), 2);
        QCOMPARE(readings->value(QStringLiteral("学")), QStringLiteral("xue"));
        QVERIFY(!parseUsualReadings("学 xue\n", &error));
        QVERIFY2(error.contains("line 1"), qPrintable(error));
        QVERIFY(builtInUsualReadings(&error).has_value());
    }

    void cncharOrderIsRead()
    {
        QTemporaryDir dir;
        const QString path = writeFixture(dir, "order.js",
            "!function(){}([function(j){j.exports=JSON.parse('{\"\xe5\x8f\xa3\":\"fcj\",\"\xe4\xb8\x81\":\"jg\"}')},"
            "function(j){j.exports=JSON.parse('{\"f\":{\"name\":\"\xe7\xab\x96\"},\"c\":{\"name\":\"\xe6\xa8\xaa\xe6\x8a\x98\"},"
            "\"j\":{\"name\":\"\xe6\xa8\xaa\"},\"g\":{\"name\":\"\xe7\xab\x96\xe9\x92\xa9\"}}')}])");
        QString error;
        const auto classes = readCncharOrder(path, &error);
        QVERIFY2(classes, qPrintable(error));
        QCOMPARE(classes->value(QStringLiteral("口")), QStringLiteral("251"));
        QCOMPARE(classes->value(QStringLiteral("丁")), QStringLiteral("12"));
    }

    void strokeNamesMapToClasses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QChar>("digit");
        const QList<std::pair<const char*, char>> cases{{"横", '1'}, {"提", '1'}, {"竖", '2'}, {"竖钩", '2'},
                                                         {"撇", '3'}, {"点", '4'}, {"点2", '4'}, {"捺", '4'},
                                                         {"横折", '5'}, {"竖提", '5'}, {"横撇|横钩", '5'}};
        for (const auto& [name, digit] : cases)
            QTest::newRow(name) << QString::fromUtf8(name) << QChar(digit);
    }

    void strokeNamesMapToClasses()
    {
        QFETCH(QString, name);
        QFETCH(QChar, digit);
        QCOMPARE(strokeClassOfName(name), digit);
    }

    void rimeStrokesTakeTheSecondLine()
    {
        QTemporaryDir dir;
        const QString path = writeFixture(dir, "stroke.dict.yaml",
                                          "---\nname: stroke\n...\n\n\xe4\xb8\x81\thz\n\xe4\xb8\x81\ths\n"
                                          "\xe6\xb0\xb5\tnnh\n");
        QString error;
        const auto classes = readRimeStrokes(path, &error);
        QVERIFY2(classes, qPrintable(error));
        QCOMPARE(classes->value(QStringLiteral("丁")), QStringLiteral("12"));
        QCOMPARE(classes->value(QStringLiteral("氵")), QStringLiteral("441"));

        // The first of two differing lines is kept aside; one line, or two
        // alike, leave nothing aside.
        StrokeClassMap other;
        const QString twice = writeFixture(dir, "twice.dict.yaml",
                                           "---\nname: stroke\n...\n\xe4\xb8\x81\thz\n\xe4\xb8\x81\ths\n"
                                           "\xe5\x8f\xa3\tszh\n\xe5\x8f\xa3\tszh\n\xe6\xb0\xb5\tnnh\n");
        QVERIFY(readRimeStrokes(twice, &error, &other));
        QCOMPARE(other.value(QStringLiteral("丁")), QStringLiteral("15"));
        QCOMPARE(other.size(), 1);
    }

    void lunaPinyinIsRead()
    {
        QTemporaryDir dir;
        const QString path = writeFixture(dir, "luna_pinyin.dict.yaml", QStringLiteral(
            "---\nname: luna_pinyin\n...\n\n"
            "行\thang\t8.22%\n行\txing\t91.78%\n绿\tlv\n略\tlve\n拥\tyong  0%\n"
            "银行\tyin hang\t100\n行人\txing ren\n").toUtf8());
        QString error;
        const auto readings = readLunaPinyin(path, &error);
        QVERIFY2(readings, qPrintable(error));
        const std::vector<Reading>& xing = readings->value(QStringLiteral("行"));
        QCOMPARE(xing.size(), size_t(2));
        QCOMPARE(xing[0].syllable, QStringLiteral("hang"));
        QCOMPARE(xing[0].percent, 8.22);
        QCOMPARE(xing[0].phraseUses, 1);
        QCOMPARE(xing[1].phraseUses, 1);
        QCOMPARE(readings->value(QStringLiteral("绿")).front().syllable, QStringLiteral("lu"));
        QCOMPARE(readings->value(QStringLiteral("略")).front().syllable, QStringLiteral("lue"));
        QCOMPARE(readings->value(QStringLiteral("拥")).front().syllable, QStringLiteral("yong"));
        QCOMPARE(readings->value(QStringLiteral("拥")).front().percent, 0.0);
    }

    void pinyinSimpIsRead()
    {
        QTemporaryDir dir;
        const QString path = writeFixture(dir, "pinyin_simp.dict.yaml", QStringLiteral(
            "---\nname: pinyin_simp\n...\n\n"
            "佛\tfo\t4148\n佛\tfu\t96\n绿\tlv\t30\n绿\tlu\t10\n鼥\tba\t0\n佛教\tfo jiao\t900\n").toUtf8());
        QString error;
        const auto simp = readPinyinSimp(path, &error);
        QVERIFY2(simp, qPrintable(error));
        QCOMPARE(simp->weights.value(QStringLiteral("佛")), qint64(4244));
        const std::vector<Reading>& fo = simp->readings.value(QStringLiteral("佛"));
        QCOMPARE(fo.size(), size_t(2));
        QCOMPARE(fo[0].syllable, QStringLiteral("fo"));
        QVERIFY(qAbs(fo[0].percent - 100.0 * 4148 / 4244) < 1e-9);
        QCOMPARE(simp->readings.value(QStringLiteral("绿")).size(), size_t(1)); // lv and lu spelled alike
        QCOMPARE(simp->weights.value(QStringLiteral("绿")), qint64(40));
        QCOMPARE(simp->readings.value(QStringLiteral("鼥")).front().percent, 0.0);
        QVERIFY(!simp->readings.contains(QStringLiteral("佛教")));
        QVERIFY(!readPinyinSimp(writeFixture(dir, "empty.yaml", "---\n...\n"), &error));
        QVERIFY2(error.contains("rime-data-pinyin-simp"), qPrintable(error));
    }

    void lunaPinyinReadsWhatPinyinSimpDoesNotWeigh_data()
    {
        QTest::addColumn<QList<Reading>>("simp");
        QTest::addColumn<QString>("usual");
        QTest::newRow("weighed by pinyin_simp") << QList<Reading>{{"fu", 2, 0}, {"fo", 98, 0}} << "fo";
        QTest::newRow("no weight in pinyin_simp") << QList<Reading>{{"fu", 0, 0}, {"fo", 0, 0}} << "bi";
        QTest::newRow("unknown to pinyin_simp") << QList<Reading>{} << "bi";
    }

    void lunaPinyinReadsWhatPinyinSimpDoesNotWeigh()
    {
        QFETCH(QList<Reading>, simp);
        QFETCH(QString, usual);
        const std::vector<CharEntry> chars{charEntry(QStringLiteral("佛"), "")};
        ReadingMap simpMap, lunaMap;
        if (!simp.isEmpty())
            simpMap.insert(QStringLiteral("佛"), std::vector<Reading>(simp.begin(), simp.end()));
        lunaMap.insert(QStringLiteral("佛"), {{"bi", 60, 0}, {"fu", 40, 0}});
        QStringList report;
        const std::vector<PinyinLine> lines = choosePinyinLines(chars, simpMap, lunaMap, {}, report);
        QVERIFY(!lines.empty());
        QCOMPARE(lines.front().syllable, usual);
    }

    // "ei" gets the character that uses it most, where no usual reading gives it.
    void everyChooserSyllableGetsALine()
    {
        // 鹅 keeps 诶's two lines apart: "e" 诶 鹅, then "ei" 诶.
        std::vector<CharEntry> chars{charEntry(QStringLiteral("诶"), ""), charEntry(QStringLiteral("欸"), ""),
                                     charEntry(QStringLiteral("鹅"), "")};
        chars[0].frequency = 3532;
        chars[1].frequency = 32;
        chars[2].frequency = 10;
        ReadingMap simp;
        simp.insert(QStringLiteral("鹅"), {{"e", 100, 0}});
        simp.insert(QStringLiteral("诶"), {{"e", 50, 0}, {"ei", 50, 0}});
        simp.insert(QStringLiteral("欸"), {{"ai", 50, 0}, {"ei", 50, 0}});
        QStringList report;
        const std::vector<PinyinLine> chosen = choosePinyinLines(chars, simp, {}, {}, report);
        const std::vector<PinyinLine> lines = listEverySyllable(chosen, chars, simp, {}, report);
        QCOMPARE(lines.size(), chosen.size() + 1);
        QCOMPARE(lines.back().gbk, gbk(QStringLiteral("诶")));
        QCOMPARE(lines.back().syllable, QStringLiteral("ei"));
        QVERIFY2(report.last().contains(QStringLiteral("诶 ei")), qPrintable(report.last()));
    }

    void failedBuildLeavesThePreviousOutput()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath("data");
        QVERIFY(QDir().mkpath(out));
        writeFixture(dir, "data/wwbb11.dat", "previous");
        SourcePaths paths = SourcePaths::standard(dir.filePath("no-cache"), dir.filePath("no-rime"));
        QString error;
        QVERIFY(!buildData(paths, out, &error));
        QVERIFY2(error.contains("fcitx5-table-wubi98-single") && error.contains("fetch-sources"), qPrintable(error));
        QFile previous(out + "/wwbb11.dat");
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), QByteArray("previous"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"data"});
    }
};

QTEST_GUILESS_MAIN(DataBuilderTest)
#include "tst_data_builder.moc"
