#include "tables/table_texts.h"

#include "store/gbk.h"

#include <QFile>

namespace lumbrell {
namespace {

QString loadTable(const QString& name, QString* problems)
{
    QFile file(QStringLiteral(":/tables/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        if (problems)
            problems->append(QStringLiteral("The table %1 is not part of this build.\n").arg(name));
        return {};
    }
    const QString text = fromGbkLenient(file.readAll());
    if (text.contains(QChar(0xFFFD)) && problems)
        problems->append(QStringLiteral("The table %1 holds bytes that are not GBK.\n").arg(name));
    return text;
}

} // namespace

TableTexts loadEmbeddedTables(QString* problems)
{
    TableTexts tables;
    for (int i = 0; i < 5; ++i) {
        tables.pinyin[i] = loadTable(QStringLiteral("Text1bh%1").arg(i + 1), problems);
        tables.stroke[i] = loadTable(QStringLiteral("Text1bh%1w").arg(i + 1), problems);
    }
    return tables;
}

} // namespace lumbrell
