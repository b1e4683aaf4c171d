#pragma once
#include "tools/sources/source_set.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace lumbrell::data {

// A code position whose picture shows the character's drawing with nothing
// filled (unmarked_positions.tsv, built in).
struct UnmarkedPosition {
    QString character;
    int position = 0; // 1 … 4
};

// Lines "character TAB position"; '#' starts a comment line.
std::optional<std::vector<UnmarkedPosition>> parseUnmarkedPositions(const QByteArray& text, QString* error);

// The built-in list.
std::optional<std::vector<UnmarkedPosition>> builtInUnmarkedPositions(QString* error);

// Puts the unmarked field (formats/fill_point_format.h) in place of the fill
// points of each listed position; info holds the fill-point fields of
// sources.chars, in their order. False, with *error naming the character, when
// a listed character has no record or no fill points at that position: the
// list no longer fits the split, and the build stops.
bool leaveUnmarked(const std::vector<UnmarkedPosition>& positions, const SourceSet& sources,
                   std::vector<std::array<QByteArray, 4>>& info, QString* error);

} // namespace lumbrell::data
