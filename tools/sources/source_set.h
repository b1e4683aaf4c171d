#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>
namespace lumbrell::data {
// The groups candidates are listed in: the common characters of GB2312 first.
enum class CharSet { Level1, Level2, Addition };

// One GBK character with everything the sources say about it.
struct CharEntry {
    QString ch;              // the character, one BMP code point
    QByteArray gbk;          // its two GBK bytes
    QString fullCode;        // its longest Wubi 98 code (3 or 4 letters)
    QStringList simpleCodes; // shorter codes under which it is the first candidate, shortest first
    QString strokeClasses;   // one digit 1..5 per stroke, standard mainland order
    CharSet set = CharSet::Level1;
    qint64 frequency = 0;    // use in simplified text: the sum of its pinyin_simp weights
    QString otherStrokeClasses; // the stroke-order source's other order where it gives two, or empty
};
struct SourceSet {
    std::vector<CharEntry> chars; // the GBK characters the Wubi 98 table codes, ascending by GBK code
    QString hanziWriterDir;       // folder holding hanzi-writer-data's <char>.json files
};
}
