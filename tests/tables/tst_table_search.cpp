// The searches over table texts: which characters a key lists and which
// syllable field a character shows, on tables where line boundaries matter.
#include "tables/table_search.h"
#include "tests/tables/fixture_tables.h"

#include <QTest>

using namespace lumbrell;
using namespace lumbrell::testing;
using namespace Qt::StringLiterals;

namespace {

const QString Strokes = strokeTable({{u"一"_s, u"10000"_s}, {u"二"_s, u"11000"_s}, {u"三"_s, u"11100"_s},
                                     {u"十"_s, u"12000"_s}, {u"丁"_s, u"12000"_s}});
const QString Syllables = pinyinTable({{u"啊"_s, u"a"_s}, {u"安"_s, u"an"_s}, {u"俺"_s, u"an"_s},
                                       {u"八"_s, u"ba"_s}, {u"班"_s, u"ban"_s}, {u"难"_s, u"nan"_s}});
const QString TwoReadings = pinyinTable({{u"成"_s, u"cheng"_s}, {u"铛"_s, u"cheng"_s}, {u"当"_s, u"dang"_s},
                                         {u"铛"_s, u"dang"_s}});
const QString ReadingsInARow = pinyinTable({{u"铛"_s, u"cheng"_s}, {u"铛"_s, u"dang"_s}});
const QString OneLine = pinyinTable({{u"一"_s, u"yi"_s}});
// A character beyond the 16-bit range is one character like any other.
const QString WideStrokes = strokeTable({{u"𠀀"_s, u"12345"_s}, {u"一"_s, u"12345"_s}});
const QString WidePinyin = pinyinTable({{u"𠀀"_s, u"a"_s}, {u"𠀀"_s, u"e"_s}});

} // namespace

Q_DECLARE_METATYPE(std::optional<QString>)

class TableSearchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void charactersOfAKey_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("characters");

        QTest::newRow("first line only") << Strokes << u"10000"_s << QStringList{u"一"_s};
        QTest::newRow("second line") << Strokes << u"11000"_s << QStringList{u"二"_s};
        QTest::newRow("two lines, the last one included") << Strokes << u"12000"_s << QStringList{u"十"_s, u"丁"_s};
        QTest::newRow("stroke key found nowhere") << Strokes << u"25104"_s << QStringList{};
        QTest::newRow("a is not the head of an") << Syllables << u"a     "_s << QStringList{u"啊"_s};
        QTest::newRow("an is not the tail of ban or nan") << Syllables << u"an    "_s << QStringList{u"安"_s, u"俺"_s};
        QTest::newRow("ban is not nan") << Syllables << u"ban   "_s << QStringList{u"班"_s};
        QTest::newRow("partial syllable") << Syllables << u"zh    "_s << QStringList{};
        QTest::newRow("wide character before the code") << WideStrokes << u"12345"_s
                                                        << QStringList{u"𠀀"_s, u"一"_s};
        QTest::newRow("a match at the very start lists nothing in front") << Strokes << u"一"_s << QStringList{QString()};
        QTest::newRow("empty key") << Strokes << QString() << QStringList{};
    }

    void charactersOfAKey()
    {
        QFETCH(QString, table);
        QFETCH(QString, key);
        QTEST(charactersBefore(table, key), "characters");
    }

    void syllableOfACharacter_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("character");
        QTest::addColumn<std::optional<QString>>("field");

        QTest::newRow("listed twice: the last line") << TwoReadings << u"铛"_s << std::optional(u"dang  "_s);
        QTest::newRow("the second of two lines in a row is passed over")
            << ReadingsInARow << u"铛"_s << std::optional(u"cheng "_s);
        QTest::newRow("last line before the closing line") << OneLine << u"一"_s << std::optional(u"yi    "_s);
        QTest::newRow("listed nowhere") << OneLine << u"氵"_s << std::optional<QString>();
        QTest::newRow("two characters match no line") << TwoReadings << u"成铛"_s << std::optional<QString>();
        QTest::newRow("wide character as the key") << WidePinyin << u"𠀀"_s << std::optional(u"a     "_s);
    }

    void syllableOfACharacter()
    {
        QFETCH(QString, table);
        QFETCH(QString, character);
        QTEST(lastFieldAfter(table, character), "field");
    }
};

QTEST_GUILESS_MAIN(TableSearchTest)
#include "tst_table_search.moc"
