// Character positions over UTF-16 text: a surrogate pair is one character,
// wherever it falls, and is never split.
#include "tables/characters.h"

#include <QTest>

using namespace lumbrell;
using namespace Qt::StringLiterals;

namespace {

const QString Wide = u"𠀀"_s; // two units, one character

} // namespace

class CharactersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void counts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("characters");

        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("table line") << u"峰25232\r\n"_s << 8;
        // Pairs at each place of a four-unit block, and after the last block.
        for (int at = 0; at < 9; ++at)
            QTest::addRow("pair at unit %d", at) << QString(at, u'a') + Wide + u"bc"_s << at + 3;
        QTest::newRow("two pairs") << Wide + u"x"_s + Wide << 3;
        QTest::newRow("lone low half") << u"a\xDC00""b"_s << 3;
        QTest::newRow("lone high half at the end") << u"ab\xD840"_s << 3;
    }

    void counts()
    {
        QFETCH(QString, text);
        QFETCH(int, characters);
        QCOMPARE(characterCount(text), characters);
        QCOMPARE(unitOffset(text, 0, characters), text.size());
        QCOMPARE(unitOffset(text, 0, characters + 1), -1);
    }

    void offsets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("offset");

        const QString text = u"一"_s + Wide + u"12345"_s + Wide; // units: 1, 2, 5, 2
        QTest::newRow("over a plain character") << text << 0 << 1 << 1;
        QTest::newRow("over a pair") << text << 1 << 1 << 3;
        QTest::newRow("over both") << text << 0 << 2 << 3;
        QTest::newRow("to the end") << text << 3 << 6 << 10;
        QTest::newRow("past the end") << text << 3 << 7 << -1;
        QTest::newRow("from outside") << text << 11 << 0 << -1;
    }

    void offsets()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, characters);
        QFETCH(int, offset);
        QCOMPARE(unitOffset(text, from, characters), offset);
    }

    void neighbours()
    {
        const QString text = u"a"_s + Wide + u"b"_s; // units a, high, low, b
        QCOMPARE(characterAfter(text, 0), u"a"_s);
        QCOMPARE(characterAfter(text, 1), Wide);
        QCOMPARE(characterAfter(text, 4), QString());
        QCOMPARE(characterBefore(text, 0), QString());
        QCOMPARE(characterBefore(text, 3), Wide);
        QCOMPARE(characterBefore(text, 4), u"b"_s);
        QCOMPARE(charactersFrom(text, 1, 2), Wide + u"b"_s);
        QCOMPARE(charactersFrom(text, 1, 6), Wide + u"b"_s);
    }
};

QTEST_MAIN(CharactersTest)
#include "tst_characters.moc"
