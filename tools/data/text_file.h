#pragma once
#include <QString>
#include <optional>

namespace lumbrell::data {

// The whole file as UTF-8 text; the message names the file.
std::optional<QString> readUtf8File(const QString& path, QString* error);

} // namespace lumbrell::data
