#include "tools/data/text_file.h"

#include <QFile>
#include <QStringDecoder>

namespace lumbrell::data {

std::optional<QString> readUtf8File(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot be read (%2)").arg(path, file.errorString());
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(file.readAll());
    if (utf8.hasError()) {
        *error = QStringLiteral("%1: not UTF-8 text").arg(path);
        return std::nullopt;
    }
    return text;
}

std::vector<TableRow> tableRows(const QByteArray& text)
{
    std::vector<TableRow> rows;
    int lineNumber = 0;
    for (const QByteArray& raw : text.split('\n')) {
        ++lineNumber;
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            rows.push_back({lineNumber, line.split(u'\t')});
    }
    return rows;
}

} // namespace lumbrell::data
