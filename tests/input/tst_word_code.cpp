// The Wubi 98 code of a word, from the full codes of the records the data
// build wrote: the rule by the word's length, key-name characters, and a
// character without a record.
#include "input/word_code.h"

#include <QTest>

using namespace lumbrell;
using namespace Qt::StringLiterals;

class WordCodeTest : public QObject {
    Q_OBJECT

    Dictionary dictionary_;

private Q_SLOTS:
    void initTestCase()
    {
        QString error;
        QVERIFY2(dictionary_.open(QStringLiteral(LUMBRELL_DATA_DIR "/wwbb11.dat"), &error), qPrintable(error));
    }

    void ruleByLength_data()
    {
        QTest::addColumn<QStringList>("fullCodes");
        QTest::addColumn<QString>("code");

        const QStringList codes = {u"abcd"_s, u"efgh"_s, u"ijkl"_s, u"mnop"_s, u"qrst"_s, u"uvw"_s, u"xyz"_s};
        QTest::newRow("one: no word") << codes.mid(0, 1) << QString();
        QTest::newRow("two: two letters of each") << codes.mid(0, 2) << u"abef"_s;
        QTest::newRow("three: one, one, two") << codes.mid(0, 3) << u"aeij"_s;
        QTest::newRow("four: the first of each") << codes.mid(0, 4) << u"aeim"_s;
        QTest::newRow("five: the first three and the last") << codes.mid(0, 5) << u"aeiq"_s;
        QTest::newRow("seven") << codes << u"aeix"_s;
        QTest::newRow("three-letter full codes") << QStringList{u"uvw"_s, u"xyz"_s} << u"uvxy"_s;
    }

    void ruleByLength()
    {
        QFETCH(QStringList, fullCodes);
        QFETCH(QString, code);
        QCOMPARE(wordCodeOfFullCodes(fullCodes), code);
    }

    void wordsOfTheRecordFile_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("missing");

        QTest::newRow("two characters") << u"中国"_s << u"khlg"_s << QStringList();
        QTest::newRow("two, three-letter full code") << u"汉字"_s << u"icpb"_s << QStringList();
        QTest::newRow("three characters") << u"计算机"_s << u"ytsw"_s << QStringList();
        QTest::newRow("four characters") << u"中华人民"_s << u"kwwn"_s << QStringList();
        QTest::newRow("seven characters") << u"中华人民共和国"_s << u"kwwl"_s << QStringList();
        QTest::newRow("a key-name character first") << u"王国"_s << u"gglg"_s << QStringList();
        QTest::newRow("a key-name character last") << u"国王"_s << u"lggg"_s << QStringList();
        QTest::newRow("a traditional form") << u"中國"_s << u"khla"_s << QStringList();
        QTest::newRow("a character without a record")
            << u"中\U00020000国"_s << QString() << QStringList{u"\U00020000"_s};
        QTest::newRow("the same one twice, named once")
            << u"\U00020000\U00020000"_s << QString() << QStringList{u"\U00020000"_s};
    }

    void wordsOfTheRecordFile()
    {
        QFETCH(QString, word);
        QFETCH(QString, code);
        QFETCH(QStringList, missing);
        const WordCode made = wordCodeOf(dictionary_, word);
        QCOMPARE(made.word, word);
        QCOMPARE(made.code, code);
        QCOMPARE(made.missing, missing);
    }

    void whatIsAWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("word");

        QTest::newRow("two characters") << u"中国"_s << true;
        QTest::newRow("one character") << u"中"_s << false;
        QTest::newRow("a wide character and one") << u"\U00020000中"_s << true;
        QTest::newRow("a letter among them") << u"中a国"_s << false;
        QTest::newRow("a space among them") << u"中 国"_s << false;
        QTest::newRow("Chinese punctuation") << u"中国。"_s << false;
        QTest::newRow("nothing") << QString() << false;
    }

    void whatIsAWord()
    {
        QFETCH(QString, text);
        QFETCH(bool, word);
        QCOMPARE(isWord(text), word);
    }
};

QTEST_MAIN(WordCodeTest)
#include "tst_word_code.moc"
