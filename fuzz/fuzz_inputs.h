#pragma once

#include <QByteArrayView>

namespace lumbrell::fuzz {

// Each drives one reader of untrusted data with arbitrary bytes and checks the
// rules that hold whatever the bytes are; a broken rule aborts with its reason.
// The fuzz targets call them, and so does the test that replays the inputs the
// fuzzers have found.

// The first two bytes are the query's GBK bytes, the rest is a data file:
// the record reader and the search by character.
void recordFileInput(QByteArrayView bytes);

// A fill-point field (UTF-8, or UTF-16 units when the first byte is odd):
// the point-list parser and the fills at its points.
void pointListInput(QByteArrayView bytes);

// A mode byte (bit 1: UTF-16 units), a byte left from older inputs, a key
// length, the key and the table (UTF-8, or UTF-16 units): both table searches.
void tableSearchInput(QByteArrayView bytes);

// An fcitx5 table file, or (first byte odd) the body of one, which is then
// compressed and given the table header so that the trie reader sees it.
void tableFileInput(QByteArrayView bytes);

} // namespace lumbrell::fuzz
