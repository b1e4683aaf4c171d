// The data set the build wrote: records, the ten tables and the report.
#include "formats/fill_point_format.h"
#include "formats/position_roots_format.h"
#include "formats/record_layout.h"
#include "formats/table_line_format.h"
#include "lookup/code_line.h"
#include "tools/data/gbk_characters.h"
#include "tools/data/table_syllables.h"

#include <QDirIterator>
#include <QImage>
#include <QtEndian>
#include <QtTest>
#include <map>

using lumbrell::data::CharSet;
using lumbrell::data::charSetOf;
using lumbrell::fromGbkStrict;
using lumbrell::toGbk;
namespace record = lumbrell::record;
namespace tablelines = lumbrell::tablelines;

namespace {
const QString kDataDir = QStringLiteral(LUMBRELL_DATA_DIR);

QByteArray readData(const QString& relativePath)
{
    QFile file(kDataDir + u'/' + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray gbk(const QString& text) { return toGbk(text).value(); }

QList<QByteArray> linesOf(const QByteArray& table)
{
    QList<QByteArray> lines = table.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// The pinyin display: the first table that lists the character; in it, the last
// line of its run, passing over a line right after a line of the same character.
QByteArray displayedSyllable(const QList<QList<QByteArray>>& tables, const QByteArray& ch)
{
    for (const QList<QByteArray>& lines : tables) {
        QByteArray shown, previous;
        for (const QByteArray& line : lines) {
            const QByteArray lineChar = line.first(2);
            if (lineChar == ch && previous != ch)
                shown = line.mid(tablelines::CharacterBytes, tablelines::SyllableFieldWidth);
            previous = lineChar;
        }
        if (!shown.isEmpty())
            return shown;
    }
    return {};
}
} // namespace

class BuiltDataTest : public QObject {
    Q_OBJECT

    QByteArray records_;
    QList<QList<QByteArray>> pinyin_;
    QList<QList<QByteArray>> strokes_;

private Q_SLOTS:
    void initTestCase()
    {
        records_ = readData("wwbb11.dat");
        for (int n = 1; n <= 5; ++n) {
            pinyin_.append(linesOf(readData(QStringLiteral("tables/Text1bh%1.txt").arg(n))));
            strokes_.append(linesOf(readData(QStringLiteral("tables/Text1bh%1w.txt").arg(n))));
        }
        QVERIFY2(!records_.isEmpty(), qPrintable(kDataDir + " holds no wwbb11.dat"));
    }

    void recordsCoverGbkInOrder()
    {
        QCOMPARE(records_.size(), 20924 * record::Size);
        QByteArray previous;
        int bySet[3] = {};
        for (qsizetype at = 0; at < records_.size(); at += record::Size) {
            const QByteArray hanzi = records_.mid(at, record::Hanzi.width);
            QVERIFY2(hanzi > previous, hanzi.toHex().constData()); // GBK code order, lead byte first
            QVERIFY(uint8_t(hanzi[0]) >= 0x81 && uint8_t(hanzi[0]) <= 0xFE);
            QVERIFY(fromGbkStrict(hanzi).has_value());
            ++bySet[int(charSetOf(hanzi))];
            previous = hanzi;
        }
        QCOMPARE(bySet[int(CharSet::Level1)], 3755);
        QCOMPARE(bySet[int(CharSet::Level2)], 3008);
        QCOMPARE(bySet[int(CharSet::Addition)], 14161);
    }

    void codeFieldsFollowTheFullCode()
    {
        static const QRegularExpression lowercase(QStringLiteral("^[a-y]+$"));
        for (qsizetype at = 0; at < records_.size(); at += record::Size) {
            const QString code1 = QString::fromLatin1(records_.mid(at + record::Code[0].offset, record::CodeWidth)).trimmed();
            const QString code3 = QString::fromLatin1(records_.mid(at + record::Code[2].offset, record::CodeWidth)).trimmed();
            QVERIFY(lowercase.match(code1).hasMatch());
            QVERIFY(code1.size() >= 3);
            if (code1.size() == 3)
                QCOMPARE(code3, code1);
            else
                QVERIFY2(code3.size() == 1 || code3 == code1, qPrintable(code1 + " / " + code3));
        }
    }

    QByteArray recordOf(const QString& ch) const
    {
        const QByteArray hanzi = gbk(ch);
        for (qsizetype at = 0; at < records_.size(); at += record::Size) {
            if (records_.mid(at, record::Hanzi.width) == hanzi)
                return records_.mid(at, record::Size);
        }
        return {};
    }

    void codeFields_data()
    {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QByteArray>("codes"); // Code1 Code2 Code3 as stored
        QTest::newRow("峰") << "峰" << QByteArray("mtdhmtd mtdh");
        QTest::newRow("的") << "的" << QByteArray("rqyyrqy r   ");
        QTest::newRow("啊") << "啊" << QByteArray("kbskkb  kbsk");
        QTest::newRow("国") << "国" << QByteArray("lgyi    l   ");
        QTest::newRow("中") << "中" << QByteArray("khk k   khk ");
        QTest::newRow("彧, a name character") << "彧" << QByteArray("akgr    akgr");
        QTest::newRow("國, a traditional form") << "國" << QByteArray("lakg    lakg");
        QTest::newRow("堃") << "堃" << QByteArray("yyffyyf yyff");
    }

    void codeFields()
    {
        QFETCH(QString, ch);
        QFETCH(QByteArray, codes);
        QCOMPARE(recordOf(ch).mid(record::Code[0].offset, 3 * record::CodeWidth), codes);
    }

    void strokeCodes_data()
    {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QByteArray>("code");
        const QList<std::pair<const char*, const char*>> cases{
            {"峰", "25232"}, {"中", "25120"}, {"国", "25111"}, {"口", "25100"}, {"丁", "12000"}, {"一", "10000"},
            {"十", "12000"}, {"人", "34000"}, {"八", "34000"}, {"入", "34000"}, {"二", "11000"}, {"三", "11100"},
            {"丰", "11120"}};
        for (const auto& [ch, code] : cases)
            QTest::newRow(ch) << QString::fromUtf8(ch) << QByteArray(code);
    }

    void codeLinesOfAdditions_data()
    {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QString>("line");
        QTest::newRow("彧") << "彧" << "akgr";
        QTest::newRow("國") << "國" << "lakg";
        QTest::newRow("堃") << "堃" << "yyf  yyff";
    }

    void codeLinesOfAdditions()
    {
        QFETCH(QString, ch);
        QFETCH(QString, line);
        const QByteArray record = recordOf(ch);
        QVERIFY2(!record.isEmpty(), qPrintable(ch + " has no record"));
        const auto code = [&](int n) {
            return QString::fromLatin1(record.mid(record::Code[n].offset, record::CodeWidth)).trimmed();
        };
        QCOMPARE(lumbrell::buildCodeLine(code(2), code(1), code(0)), line);
    }

    // The characters a table lists under one key, in table order.
    QStringList listedUnder(const QList<QByteArray>& table, const QByteArray& key) const
    {
        QStringList listed;
        for (const QByteArray& line : table)
            if (line.mid(tablelines::CharacterBytes, key.size()) == key)
                listed << fromGbkStrict(line.first(tablelines::CharacterBytes)).value_or(QString());
        return listed;
    }

    void candidatesMostUsedFirst_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QStringList>("first");
        QTest::newRow("12000 (一丨)") << 5 << QByteArray("12000") << QStringList{"十", "丁"};
        QTest::newRow("34000 (丿丶)") << 7 << QByteArray("34000") << QStringList{"人", "入", "八"};
        QTest::newRow("fo, typed") << 1 << QByteArray("fo    ") << QStringList{"佛"};
        QTest::newRow("ren") << 3 << QByteArray("ren   ") << QStringList{"人"};
    }

    void candidatesMostUsedFirst()
    {
        QFETCH(int, table);
        QFETCH(QByteArray, key);
        QFETCH(QStringList, first);
        const QList<QByteArray>& lines = table >= 5 ? strokes_[table - 5] : pinyin_[table];
        QCOMPARE(listedUnder(lines, key).first(first.size()), first);
    }

    void everyChooserSyllableListsACharacter()
    {
        for (const QString& syllable : lumbrell::data::chooserSyllables()) {
            const QByteArray key = syllable.toLatin1().leftJustified(tablelines::SyllableFieldWidth, ' ');
            bool listed = false;
            for (const QList<QByteArray>& table : pinyin_)
                listed = listed || !listedUnder(table, key).isEmpty();
            QVERIFY2(listed, qPrintable(syllable));
        }
    }

    void strokeCodes()
    {
        QFETCH(QString, ch);
        QFETCH(QByteArray, code);
        const QByteArray hanzi = gbk(ch);
        QByteArray found;
        for (const QList<QByteArray>& table : strokes_) {
            for (const QByteArray& line : table) {
                if (line.first(2) == hanzi)
                    found = line.mid(tablelines::CharacterBytes, tablelines::StrokeCodeDigits);
            }
        }
        QCOMPARE(found, code);
    }

    void pinyinShown_data()
    {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QByteArray>("syllable");
        QTest::newRow("峰") << "峰" << QByteArray("feng  ");
        QTest::newRow("啊") << "啊" << QByteArray("a     ");
        QTest::newRow("长, also listed under zhang") << "长" << QByteArray("chang ");
        QTest::newRow("行, most common reading") << "行" << QByteArray("xing  ");
        QTest::newRow("学, usual reading given") << "学" << QByteArray("xue   ");
        QTest::newRow("体, usual reading given") << "体" << QByteArray("ti    ");
    }

    void pinyinShown()
    {
        QFETCH(QString, ch);
        QFETCH(QByteArray, syllable);
        QCOMPARE(displayedSyllable(pinyin_, gbk(ch)), syllable);
    }

    void strokeTablesHoldEveryCharacterOnce()
    {
        std::map<QByteArray, int> seen;
        for (int n = 0; n < 5; ++n) {
            QByteArray previousCode;
            int previousSet = 0;
            for (const QByteArray& line : strokes_[n]) {
                QCOMPARE(line.size(), 8); // the LF is split off
                QVERIFY(line.endsWith('\r'));
                const QByteArray code = line.mid(tablelines::CharacterBytes, tablelines::StrokeCodeDigits);
                QCOMPARE(code[0], char('1' + n));
                QVERIFY2(QRegularExpression("^[1-5]+0*$").match(QString::fromLatin1(code)).hasMatch(), code.constData());
                // By code; under one code level 1, then level 2, then the additions.
                const int set = int(charSetOf(line.first(2)));
                QVERIFY(code > previousCode || (code == previousCode && set >= previousSet));
                previousCode = code;
                previousSet = set;
                ++seen[line.first(2)];
            }
        }
        QCOMPARE(seen.size(), size_t(20924));
        for (const auto& [ch, count] : seen)
            QCOMPARE(count, 1);
        QCOMPARE(strokes_[0].front(), gbk(QStringLiteral("一")) + "10000\r");
        QCOMPARE(strokes_[1].front(), gbk(QStringLiteral("丨")) + "20000\r");
        QCOMPARE(strokes_[4].front(), gbk(QStringLiteral("乙")) + "50000\r");
    }

    void pinyinTablesKeepTheirFormat()
    {
        static const char* const firstLetters[] = {"abcde", "fghijk", "lmnopq", "rstuvwx", "yz"};
        const QSet<QString>& syllables = lumbrell::data::tableSyllables();
        QSet<QByteArray> listed;
        for (int n = 0; n < 5; ++n) {
            const QList<QByteArray>& lines = pinyin_[n];
            QVERIFY(lines.size() > 1);
            QCOMPARE(lines.back(), QByteArray("        \r"));
            QByteArray previousField;
            int previousSet = 0;
            for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
                const QByteArray& line = lines[i];
                QCOMPARE(line.size(), 9);
                QVERIFY(line.endsWith('\r'));
                const QByteArray field = line.mid(tablelines::CharacterBytes, tablelines::SyllableFieldWidth);
                QVERIFY2(syllables.contains(QString::fromLatin1(field).trimmed()), field.constData());
                QVERIFY(std::strchr(firstLetters[n], field[0]));
                QVERIFY(fromGbkStrict(line.first(2)).has_value());
                // By syllable; under one syllable level 1, then level 2, then the additions.
                const int set = int(charSetOf(line.first(2)));
                QVERIFY2(field > previousField || (field == previousField && set >= previousSet), field.constData());
                // Two lines of one character never meet: the display would pass one over.
                if (i > 0)
                    QVERIFY(line.first(2) != lines[i - 1].first(2));
                previousField = field;
                previousSet = set;
                listed.insert(line.first(2));
            }
        }
        QCOMPARE(pinyin_[0].front(), gbk(QStringLiteral("啊")) + "a     \r");
        // Every character a pinyin source reads (all but a few dozen of 20,924).
        QVERIFY2(listed.size() > 20850, qPrintable(QString::number(listed.size())));
    }

    void aSecondReadingIsListedWithoutChangingTheDisplay()
    {
        bool zhangListed = false;
        for (const QByteArray& line : pinyin_[4])
            zhangListed |= line == gbk(QStringLiteral("长")) + "zhang \r";
        QVERIFY(zhangListed);
    }

    // Drawings: RLE8 BMPs for GB2312, the outlined additions and the
    // characters font-drawings.tsv names a font for (none for those it gives
    // a reason), each with a twin of exactly twice its size where one was written.
    void drawingsAreRle8WithTwins()
    {
        const QDir bmp(kDataDir + QStringLiteral("/bmp"));
        QFile list(kDataDir + QStringLiteral("/font-drawings.tsv"));
        QVERIFY(list.open(QIODevice::ReadOnly));
        int cutFromFonts = 0;
        for (const QString& line : QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(u'\t');
            const bool drawn = fields.size() == 2;
            QVERIFY2(drawn || (fields.size() == 3 && fields[1] == u"-"), qPrintable(line));
            QVERIFY2(bmp.exists(fields[0] + QStringLiteral(".bmp")) == drawn, qPrintable(line));
            cutFromFonts += drawn;
        }
        QVERIFY(cutFromFonts > 0);
        int drawings = 0, twins = 0;
        for (const QFileInfo& file : bmp.entryInfoList({QStringLiteral("*.bmp")}, QDir::Files)) {
            if (file.completeBaseName().endsWith(QStringLiteral("@2x"))) {
                ++twins;
                continue;
            }
            ++drawings;
        }
        QCOMPARE(drawings, 6763 + 2768 + cutFromFonts);
        QVERIFY2(twins > drawings * 8 / 10, qPrintable(QString::number(twins)));
        for (const char* ch : {"峰", "國", "彧", "門"}) {
            const QString name = QString::fromUtf8(ch);
            const QByteArray plain = readData(QStringLiteral("bmp/%1.bmp").arg(name));
            QVERIFY2(plain.size() > 54, ch);
            QCOMPARE(qFromLittleEndian<quint32>(plain.constData() + 30), quint32(1)); // BI_RLE8
            const QImage one = QImage::fromData(plain, "BMP");
            QCOMPARE(one.size(), QSize(112, 113));
            const QByteArray twin = readData(QStringLiteral("bmp/%1@2x.bmp").arg(name));
            if (twin.isEmpty())
                continue; // the program shows the 1x drawing
            QCOMPARE(QImage::fromData(twin, "BMP").size(), one.size() * 2);
        }
    }

    // The record file, the tables and the 1x drawings at most 60 MB; the whole
    // folder with the twins at most 100 MB.
    void dataStaysInstallable()
    {
        qint64 core = 0, whole = 0;
        QDirIterator it(kDataDir, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            whole += file.size();
            const bool twin = file.fileName().endsWith(QStringLiteral("@2x.bmp"));
            const QString relative = QDir(kDataDir).relativeFilePath(file.filePath());
            if (relative == u"wwbb11.dat" || relative.startsWith(u"tables/") || (relative.startsWith(u"bmp/") && !twin))
                core += file.size();
        }
        QVERIFY2(core <= 60'000'000, qPrintable(QString::number(core)));
        QVERIFY2(whole <= 100'000'000, qPrintable(QString::number(whole)));
    }

    // Split and marked like GB2312, with figures of their own; the roots of
    // traditional forms are typed as their own characters are.
    void additionsAreDecomposed()
    {
        const QString report = QString::fromUtf8(readData("report.txt"));
        static const QRegularExpression coverage(
            QStringLiteral("GBK additions: decomposition coverage (\\d+) of 2768 characters"));
        const QRegularExpressionMatch m = coverage.match(report);
        QVERIFY2(m.hasMatch(), "no coverage line for the additions");
        QVERIFY2(m.captured(1).toInt() > 2500, qPrintable(m.captured(0)));
        QVERIFY(report.contains(QStringLiteral("GBK additions: marking fidelity")));
        const qsizetype at = report.indexOf(QStringLiteral("roots that are GBK additions typed otherwise"));
        QVERIFY(at > 0);
        const QString conflicts = report.mid(at, report.indexOf(u'\n', at) - at);
        for (const char* root : {"門", "車", "貝", "言", "訁", "金", "釒", "糹"})
            QVERIFY2(!conflicts.contains(QString::fromUtf8(root)), qPrintable(conflicts));
        // Split into components: a stroke list at the first position.
        const QString tsv = QString::fromUtf8(readData("decomposition.tsv"));
        for (const char* line : {"們\twug\t1,", "連\tlpk\t1,", "錢\tqaay\t1,"})
            QVERIFY2(tsv.contains(u'\n' + QString::fromUtf8(line)), line);
    }

    // Every drawn character that is split names the root of each position,
    // in the line shape formats/position_roots_format.h gives.
    void positionRootsNameEachPosition()
    {
        const QString roots = QString::fromUtf8(readData(QString::fromLatin1(lumbrell::positionroots::FileName)));
        for (const char* line : {"峰\tmtdh\t山\t夂\t三\t丨\n", "桃\tsqiy\t木\t儿\t兆去儿\tid\n",
                                 "鸟\tqgd\t鸟头\t一\tid\n", "一\tggll\t一\t一\tid\tid\n", "八\twty\t八\t丿\t丶\n",
                                 "假\twnhc\t亻\tコ\t丨\t又\n", "青\tgef\t龶\t⺝\tid\n", "主\tygd\t丶\t王\tid\n"})
            QVERIFY2(roots.startsWith(QString::fromUtf8(line)) || roots.contains(u'\n' + QString::fromUtf8(line)),
                     line);
        const QStringList lines = roots.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 9000);
        for (const QString& line : lines) {
            const QStringList fields = line.split(QLatin1Char(lumbrell::positionroots::Separator));
            QCOMPARE(fields.size(), 2 + fields[1].size());
            QVERIFY2(!fields.contains(QString()), qPrintable(line));
        }
    }

    // The positions the builder's table of unmarked positions lists carry the
    // unmarked field in place of their fill points, and no other does: 倔's
    // fourth box shows its drawing without marking.
    void unmarkedPositionsAreWrittenIntoTheRecords()
    {
        QStringList unmarked;
        for (qsizetype at = 0; at < records_.size(); at += record::Size) {
            for (int k = 0; k < 4; ++k) {
                const QByteArray field = records_.mid(at + record::Info[k].offset, record::InfoWidth).trimmed();
                if (field == lumbrell::fillpoints::UnmarkedMarker)
                    unmarked << fromGbkStrict(records_.mid(at, record::Hanzi.width)).value_or(QString())
                            + QString::number(k + 1);
            }
        }
        QCOMPARE(unmarked, QStringList{QStringLiteral("倔4")});
        QVERIFY(QFile::exists(kDataDir + QStringLiteral("/bmp/倔.bmp")));
    }

    void reportIsWritten()
    {
        const QString report = QString::fromUtf8(readData("report.txt"));
        QVERIFY(report.contains("wubi98-single: 36434 entries"));
        QVERIFY(report.contains("Text1bh1w: "));
        QVERIFY(report.contains(QStringLiteral("unmarked positions: 倔 4")));
        QVERIFY(report.contains("build time: "));
    }
};

QTEST_GUILESS_MAIN(BuiltDataTest)
#include "tst_built_data.moc"
