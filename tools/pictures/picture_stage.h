#pragma once
#include "tools/sources/source_set.h"
#include <QByteArray>
#include <QStringList>
#include <array>
#include <vector>
namespace lumbrell::data {
// Draws bmp/<char>.bmp for every character and writes decomposition.tsv into outDir; fills info[i] (up to 72
// ASCII bytes, unpadded) for sources.chars[i]; appends report lines. False with *error set on a source it cannot read.
bool runPictureStage(const SourceSet& sources, const QString& outDir,
                     std::vector<std::array<QByteArray, 4>>& info, QStringList& report, QString* error);
}
