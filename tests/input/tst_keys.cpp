// The keys the choosers make: the syllable a typed spelling stands for,
// syllable keys and their table, stroke symbols, stroke keys and their table.
#include "input/stroke_key.h"
#include "input/syllable_key.h"
#include "input/syllable_spelling.h"
#include "tables/syllables.h"

#include <QTest>

using namespace lumbrell;
using namespace Qt::StringLiterals;

class KeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void syllableSpellings_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("syllable"); // null: none

        QTest::newRow("as the chooser writes it") << u"zhuang"_s << u"zhuang"_s;
        QTest::newRow("capitals") << u"NIU"_s << u"niu"_s;
        QTest::newRow("spaces around") << u" ma "_s << u"ma"_s;
        QTest::newRow("v for ü after l") << u"lv"_s << u"lu"_s;
        QTest::newRow("v for ü after n") << u"nv"_s << u"nu"_s;
        QTest::newRow("ü after l") << u"lü"_s << u"lu"_s;
        QTest::newRow("ü after n") << u"nü"_s << u"nu"_s;
        QTest::newRow("lve") << u"lve"_s << u"lue"_s;
        QTest::newRow("nve") << u"nve"_s << u"nue"_s;
        QTest::newRow("lüe") << u"lüe"_s << u"lue"_s;
        QTest::newRow("nüe") << u"nüe"_s << u"nue"_s;
        QTest::newRow("u: for ü") << u"lu:e"_s << u"lue"_s;
        QTest::newRow("u and a combining diaeresis") << u"nu\u0308"_s << u"nu"_s;
        QTest::newRow("capital Ü") << u"LÜ"_s << u"lu"_s;
        QTest::newRow("v after j, where pinyin writes u") << u"jv"_s << u"ju"_s;
        QTest::newRow("üan after x") << u"xüan"_s << u"xuan"_s;
        QTest::newRow("vn after y") << u"yvn"_s << u"yun"_s;
        QTest::newRow("tone digit 3") << u"ma3"_s << u"ma"_s;
        QTest::newRow("tone digit 1") << u"niu1"_s << u"niu"_s;
        QTest::newRow("tone digit 5, the light tone") << u"de5"_s << u"de"_s;
        QTest::newRow("ü and a tone digit") << u"lv4"_s << u"lu"_s;
        QTest::newRow("tone mark ǎ") << u"mǎ"_s << u"ma"_s;
        QTest::newRow("tone mark ǜ") << u"lǜ"_s << u"lu"_s;
        QTest::newRow("tone mark on a capital") << u"Mǎ"_s << u"ma"_s;
        for (const QString& marked : {u"ā"_s, u"á"_s, u"ǎ"_s, u"à"_s})
            QTest::addRow("tone mark %s", qPrintable(marked)) << marked << u"a"_s;
        QTest::newRow("decomposed tone mark") << u"ma\u030C"_s << u"ma"_s;
        QTest::newRow("m alone") << u"m"_s << u"m"_s;
        QTest::newRow("ng") << u"ng"_s << u"ng"_s;

        QTest::newRow("no syllable") << u"xyz"_s << QString();
        QTest::newRow("still being typed") << u"zh"_s << QString();
        QTest::newRow("ü where pinyin has none") << u"lvan"_s << QString();
        QTest::newRow("ü after a consonant that takes none") << u"dv"_s << QString();
        QTest::newRow("v alone") << u"v"_s << QString();
        QTest::newRow("tone digit 6") << u"ma6"_s << QString();
        QTest::newRow("two tone digits") << u"ma33"_s << QString();
        QTest::newRow("digit alone") << u"3"_s << QString();
        QTest::newRow("blank") << u"  "_s << QString();
        QTest::newRow("hanzi") << u"中"_s << QString();
        QTest::newRow("space inside") << u"m a"_s << QString();
    }

    void syllableSpellings()
    {
        QFETCH(QString, typed);
        QFETCH(QString, syllable);
        const auto found = chooserSyllableOf(typed);
        QCOMPARE(found.value_or(QString()), syllable);
        QCOMPARE(found.has_value(), !syllable.isNull());
    }

    void everyChooserSyllableStandsForItself()
    {
        for (const QString& syllable : chooserSyllables()) {
            QCOMPARE(chooserSyllableOf(syllable).value_or(QString()), syllable);
            QCOMPARE(chooserSyllableOf(syllable + u'2').value_or(QString()), syllable);
        }
    }

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
