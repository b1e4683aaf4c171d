#pragma once
#include "tools/sources/source_set.h"
#include "tools/tablereader/table_file.h"

#include <array>
#include <vector>

namespace lumbrell::data {

// Gives every character its full code (its longest code) and its simple codes
// (the shorter codes under which it is the first candidate, shortest first).
// Characters of GBK's additions that the table does not code are dropped.
// False with *error when the table lacks a full code for a GB2312 character.
bool assignWubiCodes(const std::vector<tablereader::TableEntry>& table, std::vector<CharEntry>& chars,
                     QStringList& report, QString* error);

// The record's Code1, Code2, Code3: the full code first; Code3 is what the code
// line ends on, so its length tells how many code positions have pictures.
std::array<QString, 3> recordCodes(const CharEntry& entry);

} // namespace lumbrell::data
