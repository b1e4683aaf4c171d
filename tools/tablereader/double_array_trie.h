#pragma once
#include "tools/tablereader/byte_cursor.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace lumbrell::tablereader {

struct TrieEntry {
    QByteArray key;
    int32_t value = 0;
};

// A double-array trie with suffix tails as fcitx5 tables store it. It keeps views
// into the buffer it was read from, which must outlive it.
class DoubleArrayTrie {
public:
    // Takes the trie's sections from the cursor; false with *error when a count
    // runs past the end of the data.
    bool read(ByteCursor& cursor, QString* error);

    // Lists every key and value; false with *error when a node, label or tail
    // offset points outside its array or the node links do not form a tree.
    bool listEntries(std::vector<TrieEntry>& entries, QString* error) const;

    uint32_t nodeCount() const { return nodeCount_; }

private:
    int32_t base(uint32_t node) const;
    int32_t check(uint32_t node) const;
    uint8_t sibling(uint32_t node) const { return uint8_t(info_[qsizetype(node) * 2]); }
    uint8_t child(uint32_t node) const { return uint8_t(info_[qsizetype(node) * 2 + 1]); }
    bool readTail(int32_t base, QByteArray& key, int32_t& value, QString* error) const;

    uint32_t nodeCount_ = 0;
    QByteArrayView tail_;
    QByteArrayView nodes_;
    QByteArrayView info_;
};

} // namespace lumbrell::tablereader
