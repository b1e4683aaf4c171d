#pragma once
#include "formats/record_layout.h"
#include "tools/sources/source_set.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace lumbrell::data {

// One record of wwbb11.dat (formats/record_layout.h). std::nullopt with *error
// when a field does not fit its width.
std::optional<QByteArray> charRecord(const CharEntry& entry, const std::array<QByteArray, 4>& info, QString* error);

} // namespace lumbrell::data
