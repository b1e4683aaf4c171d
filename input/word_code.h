#pragma once

#include "lookup/dictionary.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace lumbrell {

// The Wubi 98 code of a word, made from the full codes of its characters:
// two characters give the first two letters of each; three give the first
// letter of the first two and the first two letters of the third; four or
// more give the first letter of the first three and of the last.
struct WordCode {
    QString word;
    QString code;       // empty when unknown
    QStringList missing; // the characters without a record, in the word's order, each once
};

// Whether a text is a word: two or more Chinese characters and nothing else.
bool isWord(QStringView text);

// The code of a word from the full codes of its characters, in order; empty
// for fewer than two codes.
QString wordCodeOfFullCodes(const QStringList& fullCodes);

// The code of a word whose full codes come from the dictionary's records (a
// record's Code1). A character without a record leaves the code unknown and is
// named.
WordCode wordCodeOf(const Dictionary& dictionary, QStringView word);

// The line the window shows for a word: "词组 中国 khlg", or which of its
// characters has no record.
QString wordLine(const WordCode& word);

// What an edit put into a text: the part of `after` between what it has in
// common with `before` at the start and at the end. A word an input method
// commits, or a paste, arrives whole.
QString insertedText(QStringView before, QStringView after);

} // namespace lumbrell
