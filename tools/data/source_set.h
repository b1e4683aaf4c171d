#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>
namespace lumbrell::data {
// One GB2312 character with everything the sources say about it.
struct CharEntry {
    QString ch;              // the character, one BMP code point
    QByteArray gbk;          // its two GBK bytes
    QString fullCode;        // its longest Wubi 98 code (3 or 4 letters)
    QStringList simpleCodes; // shorter codes under which it is the first candidate, shortest first
    QString strokeClasses;   // one digit 1..5 per stroke, standard mainland order
};
struct SourceSet {
    std::vector<CharEntry> chars; // the 6763 GB2312 characters, ascending by GBK code
    QString hanziWriterDir;       // folder holding hanzi-writer-data's <char>.json files
};
}
