#include "tools/tablereader/double_array_trie.h"

#include <cstring>

namespace lumbrell::tablereader {

namespace {
int32_t bigEndianAt(QByteArrayView bytes, qsizetype offset)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | uint8_t(bytes[offset + i]);
    return int32_t(v);
}

int32_t littleEndianAt(QByteArrayView bytes, qsizetype offset)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | uint8_t(bytes[offset + i]);
    return int32_t(v);
}

struct Pending {
    uint32_t node;
    QByteArray key;
};
} // namespace

bool DoubleArrayTrie::read(ByteCursor& cursor, QString* error)
{
    uint32_t tailLength = 0;
    if (!cursor.readU32(tailLength) || !cursor.readU32(nodeCount_)) {
        *error = QStringLiteral("trie header cut short");
        return false;
    }
    const uint64_t nodes = nodeCount_;
    if (!cursor.take(tailLength, tail_)) {
        *error = QStringLiteral("trie tail of %1 bytes runs past the end of the data").arg(tailLength);
        return false;
    }
    if (!cursor.take(nodes * 8, nodes_) || !cursor.skip(12) || !cursor.take(nodes * 2, info_)
        || !cursor.skip((nodes / 256) * 20)) {
        *error = QStringLiteral("trie of %1 nodes runs past the end of the data").arg(nodeCount_);
        return false;
    }
    return true;
}

int32_t DoubleArrayTrie::base(uint32_t node) const { return bigEndianAt(nodes_, qsizetype(node) * 8); }

int32_t DoubleArrayTrie::check(uint32_t node) const { return bigEndianAt(nodes_, qsizetype(node) * 8 + 4); }

bool DoubleArrayTrie::readTail(int32_t base, QByteArray& key, int32_t& value, QString* error) const
{
    const int64_t offset = -int64_t(base);
    if (offset >= tail_.size()) {
        *error = QStringLiteral("tail offset %1 outside the tail of %2 bytes").arg(offset).arg(tail_.size());
        return false;
    }
    const QByteArrayView rest = tail_.sliced(qsizetype(offset));
    const qsizetype end = rest.indexOf('\0');
    if (end < 0 || rest.size() - end - 1 < 4) {
        *error = QStringLiteral("tail entry at offset %1 is not terminated").arg(offset);
        return false;
    }
    key.append(rest.first(end));
    value = littleEndianAt(rest, end + 1);
    return true;
}

bool DoubleArrayTrie::listEntries(std::vector<TrieEntry>& entries, QString* error) const
{
    if (nodeCount_ == 0)
        return true;
    std::vector<bool> reached(nodeCount_, false);
    std::vector<Pending> stack{{0, {}}};
    reached[0] = true;
    while (!stack.empty()) {
        Pending current = std::move(stack.back());
        stack.pop_back();
        const int32_t b = base(current.node);
        if (b < 0) {
            TrieEntry entry{std::move(current.key), 0};
            if (!readTail(b, entry.key, entry.value, error))
                return false;
            entries.push_back(std::move(entry));
            continue;
        }
        std::vector<Pending> children;
        int label = child(current.node);
        while (true) {
            const uint32_t to = uint32_t(b) ^ uint32_t(label);
            if (to >= nodeCount_) {
                *error = QStringLiteral("node %1 links to node %2 outside the %3 nodes")
                             .arg(current.node).arg(to).arg(nodeCount_);
                return false;
            }
            const bool isChild = check(to) == int32_t(current.node);
            if (label == 0) {
                // A terminal; the root's label-0 link leads back to the root and is none.
                if (isChild)
                    entries.push_back({current.key, base(to)});
            } else {
                if (!isChild || reached[to]) {
                    *error = QStringLiteral("node %1 does not lead to a tree at node %2").arg(current.node).arg(to);
                    return false;
                }
                reached[to] = true;
                children.push_back({to, current.key + char(label)});
            }
            const int next = sibling(to);
            if (next == 0)
                break;
            if (next <= label) {
                *error = QStringLiteral("children of node %1 are out of order").arg(current.node);
                return false;
            }
            label = next;
        }
        // Deepest-first with the smallest label on top keeps the keys in byte order.
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.push_back(std::move(*it));
    }
    return true;
}

} // namespace lumbrell::tablereader
