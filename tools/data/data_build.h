#pragma once
#include "tools/data/source_loader.h"

#include <QString>

namespace lumbrell::data {

// Builds the whole data set (wwbb11.dat, bmp/ when the picture stage is built
// in, tables/Text1bh*.txt, report.txt) into a staging folder and then moves it
// to outputDir. On failure *error names the source or file and outputDir keeps
// its previous contents.
bool buildData(const SourcePaths& paths, const QString& outputDir, QString* error);

} // namespace lumbrell::data
