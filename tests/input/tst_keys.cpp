// The keys the choosers make: syllable keys and their table, stroke symbols,
// stroke keys and their table.
#include "input/stroke_key.h"
#include "input/syllable_key.h"

#include <QTest>

using namespace lumbrell;
using namespace Qt::StringLiterals;

class KeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void syllableKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key"); // null: no key

        QTest::newRow("one letter") << u"a"_s << u"a     "_s;
        QTest::newRow("five letters") << u"zhuan"_s << u"zhuan "_s;
        QTest::newRow("six letters") << u"zhuang"_s << u"zhuang"_s;
        QTest::newRow("seven letters") << u"zhuangx"_s << QString();
        QTest::newRow("spaces around") << u"  zha "_s << u"zha   "_s;
        QTest::newRow("spaces only") << u"   "_s << QString();
        QTest::newRow("a tab is not a space") << u"\tzha"_s << u"\tzha  "_s;
        QTest::newRow("a wide character is one") << u"𠀀a"_s << u"𠀀a    "_s;
    }

    void syllableKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        const auto made = syllableKey(typed);
        QCOMPARE(made.has_value(), !key.isNull());
        if (made)
            QCOMPARE(*made, key);
    }

    void syllableGroups_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("table"); // -1: none

        const QStringList groups = {u"abcde"_s, u"fghijk"_s, u"lmnopq"_s, u"rstuvwx"_s, u"yz"_s};
        for (int table = 0; table < 5; ++table)
            for (const QChar letter : groups[table])
                QTest::addRow("%c", letter.toLatin1()) << QString(letter) << table;
        QTest::newRow("upper case") << u"A"_s << -1;
        QTest::newRow("digit") << u"1"_s << -1;
        QTest::newRow("hanzi") << u"中"_s << -1;
        QTest::newRow("nothing") << QString() << -1;
    }

    void syllableGroups()
    {
        QFETCH(QString, first);
        QFETCH(int, table);
        for (int t = 0; t < 5; ++t)
            QCOMPARE(inSyllableGroup(t, first), t == table);
    }

    void strokeSymbols_data()
    {
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<QString>("symbol");

        for (const QString& s : {u"一"_s, u"丨"_s, u"丿"_s, u"丶"_s, u"乙"_s})
            QTest::addRow("%s", qPrintable(s)) << s << s;
        QTest::newRow("blank item") << u" "_s << u" "_s;
        QTest::newRow("empty field") << QString() << u" "_s;
        QTest::newRow("typed digit") << u"1"_s << u" "_s;
        QTest::newRow("symbol with more") << u"一一"_s << u" "_s;
        QTest::newRow("look-alike: digit one's hanzi") << u"壹"_s << u" "_s;
    }

    void strokeSymbols()
    {
        QFETCH(QString, chooser);
        QFETCH(QString, symbol);
        QCOMPARE(strokeSymbol(chooser), symbol);
    }

    void strokeKeys_data()
    {
        QTest::addColumn<QString>("symbols");
        QTest::addColumn<QString>("key");

        QTest::newRow("峰") << u"丨乙丨丿丨"_s << u"25232"_s;
        QTest::newRow("人") << u"丿丶   "_s << u"34000"_s;
        QTest::newRow("blank inside") << u"一 一  "_s << u"10100"_s;
        QTest::newRow("last stroke 乙") << u"乙    "_s << u"50000"_s;
        QTest::newRow("no first stroke") << u" 丨   "_s << u"02000"_s;
    }

    void strokeKeys()
    {
        QFETCH(QString, symbols);
        QFETCH(QString, key);
        QCOMPARE(strokeDigits(symbols), key);
        // The same key from the five choosers' texts.
        std::array<QString, 5> choosers;
        for (int i = 0; i < 5; ++i)
            choosers[i] = symbols.mid(i, 1);
        QCOMPARE(strokeKeyOf(choosers), key);
    }
};

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
