// The one family the characters are drawn in: its regular weight has a glyph
// for the character of every record the data build wrote.
#include "app/fonts.h"
#include "store/record_file.h"
#include "store/spaces.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QTest>

using namespace lumbrell;

class TypefaceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void familyIsInstalledWithARegularWeight()
    {
        const QString family = QString::fromLatin1(CharacterFamily);
        QVERIFY2(QFontDatabase::families().contains(family), qPrintable(family + " is not installed (fonts-noto-cjk)"));
        QVERIFY(QFontDatabase::styles(family).contains(QStringLiteral("Regular")));
        const QFontInfo shown(songFont(12));
        QCOMPARE(shown.family(), family);
        QCOMPARE(shown.weight(), int(QFont::Normal));
    }

    void everyRecordHasAGlyphInTheRegularFace()
    {
        const QRawFont face = QRawFont::fromFont(songFont(12));
        QVERIFY(face.isValid());
        QCOMPARE(face.familyName(), QString::fromLatin1(CharacterFamily));
        QCOMPARE(face.weight(), int(QFont::Normal));

        RecordFile file;
        QString error;
        QVERIFY2(file.open(QStringLiteral(LUMBRELL_DATA_DIR "/wwbb11.dat"), &error), qPrintable(error));
        const int count = file.count();
        QCOMPARE(count, 20924);
        QString without;
        for (int recNo = 1; recNo <= count; ++recNo) {
            const QString character = trimSpaces(file.record(recNo).Hanzi);
            QCOMPARE(character.toUcs4().size(), 1);
            if (!face.supportsCharacter(character.toUcs4().front()))
                without += character;
        }
        QVERIFY2(without.isEmpty(), qPrintable(QStringLiteral("no glyph in %1 for %2 characters: %3")
                                                   .arg(face.familyName()).arg(without.size()).arg(without.left(40))));
    }
};

QTEST_MAIN(TypefaceTest)
#include "tst_typeface.moc"
