#pragma once
#include <QHash>
#include <QString>
#include <optional>

namespace lumbrell::data {

// Character -> stroke classes, one digit 1..5 per stroke.
using StrokeClassMap = QHash<QString, QString>;

// The class of a stroke named as in cnchar-order's stroke dictionary:
// 横 提 -> 1, 竖 竖钩 -> 2, 撇 -> 3, 点 点2 捺 -> 4, every turning stroke -> 5.
QChar strokeClassOfName(const QString& name);

// Reads cnchar.order.min.js: its character -> stroke letters map and its
// letter -> stroke name dictionary, combined into stroke classes.
std::optional<StrokeClassMap> readCncharOrder(const QString& path, QString* error);

// Reads rime's stroke.dict.yaml (h s p n z = classes 1..5). Of two lines for a
// character the second is the mainland order and wins; the first, where it
// differs, goes into *otherLines when given (a drawing may follow it: 鬧).
std::optional<StrokeClassMap> readRimeStrokes(const QString& path, QString* error,
                                              StrokeClassMap* otherLines = nullptr);

} // namespace lumbrell::data
