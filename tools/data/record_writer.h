#pragma once
#include "tools/data/source_set.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace lumbrell::data {

constexpr qsizetype kRecordSize = 302;
constexpr qsizetype kCodeWidth = 4;
constexpr qsizetype kInfoWidth = 72;

// One record of wwbb11.dat: Hanzi(2) Code1 Code2 Code3 (4 each) Info1..Info4
// (72 each), GBK, padded with spaces. std::nullopt with *error when a field does
// not fit its width.
std::optional<QByteArray> charRecord(const CharEntry& entry, const std::array<QByteArray, 4>& info, QString* error);

} // namespace lumbrell::data
