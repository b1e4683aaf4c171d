#pragma once
// Writes the lines of the position-roots file (formats/position_roots_format.h).
#include "tools/pictures/decomposer.h"

#include <QString>

namespace lumbrell::data {

// The root a position names, without the form its row is written in:
// 干 for 干(半), 兆去儿 as it is.
QString rootOfName(const QString& name);

// One line of the file, LF included: the character, its full code, the root
// of each position its code has.
QString positionRootsLine(const QString& ch, const QString& fullCode, const Decomposition& d);

}
