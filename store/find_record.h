#pragma once

#include "store/record_file.h"

#include <QStringView>
#include <optional>

namespace lumbrell {

// The number of the record of the first character of query, found by
// bisection over record numbers: both bounds are probed at the start of every
// pass, then the middle record while the key lies strictly inside. Nothing
// when the records do not hold it where the bisection looks, or when GBK
// cannot encode the character.
std::optional<int> findRecord(const RecordFile& file, QStringView query);

} // namespace lumbrell
