#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

namespace lumbrell::data {

// Character -> the reading a reader of simplified text knows it by, where the
// pinyin dictionary's weights favour another (usual_readings.tsv, built in).
using UsualReadings = QHash<QString, QString>;

// Lines "character TAB reading"; '#' starts a comment line.
std::optional<UsualReadings> parseUsualReadings(const QByteArray& text, QString* error);

// The built-in list.
std::optional<UsualReadings> builtInUsualReadings(QString* error);

} // namespace lumbrell::data
