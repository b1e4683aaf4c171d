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

} // namespace lumbrell::data
