#include "tools/data/usual_readings.h"

#include "tools/data/text_file.h"

#include <QFile>

namespace lumbrell::data {

std::optional<UsualReadings> parseUsualReadings(const QByteArray& text, QString* error)
{
    UsualReadings readings;
    for (const auto& [lineNumber, fields] : tableRows(text)) {
        if (fields.size() != 2 || fields[0].size() != 1 || fields[1].isEmpty()) {
            *error = QStringLiteral("usual_readings.tsv line %1: not \"character TAB reading\"").arg(lineNumber);
            return std::nullopt;
        }
        readings.insert(fields[0], fields[1]);
    }
    return readings;
}

std::optional<UsualReadings> builtInUsualReadings(QString* error)
{
    QFile file(QStringLiteral(":/data/usual_readings.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("usual_readings.tsv is not built into this program");
        return std::nullopt;
    }
    return parseUsualReadings(file.readAll(), error);
}

} // namespace lumbrell::data
