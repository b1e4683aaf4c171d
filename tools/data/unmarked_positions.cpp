#include "tools/data/unmarked_positions.h"

#include "formats/fill_point_format.h"
#include "tools/data/text_file.h"

#include <QFile>
#include <algorithm>

namespace lumbrell::data {

std::optional<std::vector<UnmarkedPosition>> parseUnmarkedPositions(const QByteArray& text, QString* error)
{
    std::vector<UnmarkedPosition> positions;
    for (const auto& [lineNumber, fields] : tableRows(text)) {
        bool isNumber = false;
        const int position = fields.size() == 2 ? fields[1].toInt(&isNumber) : 0;
        if (fields.size() != 2 || fields[0].size() != 1 || !isNumber || position < 1 || position > 4) {
            *error = QStringLiteral("unmarked_positions.tsv line %1: not \"character TAB position (1 … 4)\"")
                         .arg(lineNumber);
            return std::nullopt;
        }
        positions.push_back({fields[0], position});
    }
    return positions;
}

std::optional<std::vector<UnmarkedPosition>> builtInUnmarkedPositions(QString* error)
{
    QFile file(QStringLiteral(":/data/unmarked_positions.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("unmarked_positions.tsv is not built into this program");
        return std::nullopt;
    }
    return parseUnmarkedPositions(file.readAll(), error);
}

bool leaveUnmarked(const std::vector<UnmarkedPosition>& positions, const SourceSet& sources,
                   std::vector<std::array<QByteArray, 4>>& info, QString* error)
{
    for (const UnmarkedPosition& unmarked : positions) {
        const auto entry = std::find_if(sources.chars.begin(), sources.chars.end(),
                                        [&](const CharEntry& e) { return e.ch == unmarked.character; });
        const size_t index = size_t(entry - sources.chars.begin());
        if (entry == sources.chars.end() || index >= info.size()) {
            *error = QStringLiteral("unmarked_positions.tsv: %1 has no record").arg(unmarked.character);
            return false;
        }
        QByteArray& field = info[index][size_t(unmarked.position - 1)];
        const QByteArray points = field.trimmed();
        if (points.isEmpty() || points == fillpoints::IdentificationMarker) {
            *error = QStringLiteral("unmarked_positions.tsv: %1 has no fill points at position %2")
                         .arg(unmarked.character).arg(unmarked.position);
            return false;
        }
        field = fillpoints::UnmarkedMarker;
    }
    return true;
}

} // namespace lumbrell::data
