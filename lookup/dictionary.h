#pragma once

#include "store/char_record.h"
#include "store/record_file.h"
#include "tables/table_texts.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace lumbrell {

// Everything the program knows about characters, read once and without a
// window: the records of the data file (codes and fill points) and the ten
// pinyin and stroke tables.
class Dictionary {
public:
    explicit Dictionary(TableTexts tables = {}) : tables_(std::move(tables)) {}

    // Reads the data file; false, with a reason naming it, when it cannot be
    // used (store/record_file.h).
    bool open(const QString& recordFile, QString* error);
    // Records from bytes as a data file holds them.
    void setRecords(RecordFile records) { records_ = std::move(records); }

    // The record of the first character of text; nothing when the data file
    // holds none for it.
    std::optional<CharRecord> record(QStringView text) const;

    // The characters whose five-digit stroke code is key, in table order;
    // nothing when the key starts with no stroke (1 … 5) and so names no table.
    std::optional<QStringList> charactersWithStrokes(QStringView key) const;

    // The characters of a syllable key (a syllable padded to the width of a
    // table's syllable field), in table order; nothing when its first letter
    // belongs to no syllable group and so names no table.
    std::optional<QStringList> charactersWithSyllable(QStringView key) const;

    // The pinyin shown for one character, trimmed: the last syllable of the
    // first pinyin table that lists it. Empty when none does, and for any text
    // that does not start with a two-byte GBK character.
    QString reading(QStringView character) const;

    // How many record searches have been made; a user action makes at most one.
    int recordSearches() const { return recordSearches_; }

private:
    RecordFile records_;
    TableTexts tables_;
    mutable int recordSearches_ = 0;
};

} // namespace lumbrell
