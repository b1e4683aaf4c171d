#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace lumbrell::data {

// The whole file as UTF-8 text; the message names the file.
std::optional<QString> readUtf8File(const QString& path, QString* error);

// One line of the builder's own small tab-separated tables (usual readings,
// unmarked positions): its line number, for messages, and its fields.
struct TableRow {
    int lineNumber = 0;
    QStringList fields;
};

// The rows of such a table in UTF-8; blank lines and # comments are left out.
std::vector<TableRow> tableRows(const QByteArray& text);

} // namespace lumbrell::data
