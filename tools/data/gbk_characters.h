#pragma once
#include "store/gbk.h"
#include "tools/sources/source_set.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace lumbrell::data {

// The 6763 characters of GB2312 (lead bytes B0-F7, trail bytes A1-FE, the codes
// the converter accepts), ascending by code, with their two bytes.
std::vector<std::pair<QByteArray, QString>> gb2312Characters();

// Every two-byte GBK character (lead bytes 81-FE, trail bytes 40-FE without 7F)
// the converter gives, ascending by code, user-defined codes left out.
std::vector<std::pair<QByteArray, QString>> gbkCharacters();

// GB2312 level 1 (lead bytes B0-D7), level 2 (D8-F7), or one of GBK's additions.
CharSet charSetOf(const QByteArray& gbk);

// GB2312 level 1 is lead bytes B0-D7, level 2 D8-F7.
inline bool isLevelOne(const QByteArray& gbk) { return gbk.size() == 2 && uint8_t(gbk[0]) <= 0xD7; }

} // namespace lumbrell::data
