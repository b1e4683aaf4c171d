#include "tools/tablereader/table_file.h"

#include "tools/tablereader/byte_cursor.h"
#include "tools/tablereader/double_array_trie.h"
#include "tools/tablereader/zstd_stream.h"

#include <QFile>
#include <QStringDecoder>

namespace lumbrell::tablereader {

namespace {
constexpr uint32_t kMagic = 0x000FCABE;
constexpr uint32_t kVersion = 2;
// The Wubi tables expand to a few megabytes; anything far larger is not a table.
constexpr qsizetype kMaxExpandedSize = 256 * 1024 * 1024;
constexpr char kCodeWordSeparator = '\x01';

bool skipU32List(ByteCursor& cursor)
{
    uint32_t count = 0;
    return cursor.readU32(count) && cursor.skip(uint64_t(count) * 4);
}

bool skipRules(ByteCursor& cursor)
{
    uint32_t count = 0;
    if (!cursor.readU32(count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t flag = 0, entries = 0;
        uint8_t phraseLength = 0;
        if (!cursor.readU32(flag) || !cursor.readU8(phraseLength) || !cursor.readU32(entries)
            || !cursor.skip(uint64_t(entries) * 6))
            return false;
    }
    return true;
}

// The trie key is the code, byte 0x01, then the word in UTF-8.
bool splitKey(const TrieEntry& trieEntry, TableEntry& entry, QString* error)
{
    const qsizetype separator = trieEntry.key.indexOf(kCodeWordSeparator);
    if (separator <= 0 || separator + 1 == trieEntry.key.size()) {
        *error = QStringLiteral("entry key \"%1\" is not code, separator, word")
                     .arg(QString::fromLatin1(trieEntry.key.toPercentEncoding()));
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    entry.code = trieEntry.key.first(separator);
    entry.word = utf8(trieEntry.key.sliced(separator + 1));
    entry.order = trieEntry.value;
    if (utf8.hasError()) {
        *error = QStringLiteral("word of code \"%1\" is not valid UTF-8").arg(QString::fromLatin1(entry.code));
        return false;
    }
    return true;
}
} // namespace

std::optional<std::vector<TableEntry>> parseTable(QByteArrayView bytes, QString* error)
{
    ByteCursor envelope(bytes);
    uint32_t magic = 0, version = 0;
    if (!envelope.readU32(magic) || !envelope.readU32(version)) {
        *error = QStringLiteral("too short for a table header (%1 bytes)").arg(bytes.size());
        return std::nullopt;
    }
    if (magic != kMagic) {
        *error = QStringLiteral("not an fcitx5 table (magic 0x%1)").arg(magic, 8, 16, QLatin1Char('0'));
        return std::nullopt;
    }
    if (version != kVersion) {
        *error = QStringLiteral("table format version %1 is not the supported version %2").arg(version).arg(kVersion);
        return std::nullopt;
    }
    QString zstdError;
    const std::optional<QByteArray> body = decompressZstd(bytes.sliced(8), kMaxExpandedSize, &zstdError);
    if (!body) {
        *error = zstdError;
        return std::nullopt;
    }

    ByteCursor cursor(*body);
    uint32_t pinyinKey = 0, promptKey = 0, phraseKey = 0, codeLength = 0;
    if (!cursor.readU32(pinyinKey) || !cursor.readU32(promptKey) || !cursor.readU32(phraseKey)
        || !cursor.readU32(codeLength) || !skipU32List(cursor) || !skipU32List(cursor) || !skipRules(cursor)) {
        *error = QStringLiteral("table settings run past the end of the data");
        return std::nullopt;
    }
    DoubleArrayTrie phrases;
    std::vector<TrieEntry> trieEntries;
    QString trieError;
    if (!phrases.read(cursor, &trieError) || !phrases.listEntries(trieEntries, &trieError)) {
        *error = QStringLiteral("phrase trie: %1").arg(trieError);
        return std::nullopt;
    }

    std::vector<TableEntry> entries(trieEntries.size());
    for (size_t i = 0; i < trieEntries.size(); ++i) {
        if (!splitKey(trieEntries[i], entries[i], error))
            return std::nullopt;
    }
    return entries;
}

std::optional<std::vector<TableEntry>> readTableFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot be read (%2)").arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QString parseError;
    std::optional<std::vector<TableEntry>> entries = parseTable(bytes, &parseError);
    if (!entries)
        *error = QStringLiteral("%1: corrupt table file: %2").arg(path, parseError);
    return entries;
}

} // namespace lumbrell::tablereader
