#include "tools/data/record_writer.h"

#include "tools/data/wubi_codes.h"

namespace lumbrell::data {

namespace {
bool appendField(QByteArray& record, const QByteArray& value, qsizetype width, const char* name,
                 const CharEntry& entry, QString* error)
{
    if (value.size() > width) {
        *error = QStringLiteral("%1 of %2 is %3 bytes, more than its %4").arg(QLatin1String(name), entry.ch)
                     .arg(value.size()).arg(width);
        return false;
    }
    record += value.leftJustified(width, ' ');
    return true;
}
} // namespace

std::optional<QByteArray> charRecord(const CharEntry& entry, const std::array<QByteArray, 4>& info, QString* error)
{
    if (entry.gbk.size() != record::Hanzi.width) {
        *error = QStringLiteral("%1 is not a two-byte GBK character").arg(entry.ch);
        return std::nullopt;
    }
    QByteArray bytes = entry.gbk;
    bytes.reserve(record::Size);
    const std::array<QString, 3> codes = recordCodes(entry);
    static const char* const codeNames[] = {"Code1", "Code2", "Code3"};
    static const char* const infoNames[] = {"Info1", "Info2", "Info3", "Info4"};
    for (size_t i = 0; i < codes.size(); ++i) {
        if (!appendField(bytes, codes[i].toLatin1(), record::CodeWidth, codeNames[i], entry, error))
            return std::nullopt;
    }
    for (size_t i = 0; i < info.size(); ++i) {
        if (!appendField(bytes, info[i], record::InfoWidth, infoNames[i], entry, error))
            return std::nullopt;
    }
    return bytes;
}

} // namespace lumbrell::data
