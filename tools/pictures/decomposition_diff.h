#pragma once
#include <QString>
#include <QStringList>

namespace lumbrell::data {

// The characters whose split differs between two decomposition files
// (decomposition.tsv: "character TAB full code TAB one field per code
// position"), one line each: "掘 rnbm: 1,2,3 4,5,6 7,8 9,10,11 -> …", in the
// order of the newer file, then the characters only the older one has.
QStringList decompositionChanges(const QString& older, const QString& newer);

}
