#include "tools/pictures/decomposition_diff.h"

#include <QHash>

namespace lumbrell::data {
namespace {

struct Line {
    QString key;   // character and full code
    QString split; // the positions, blank ones shown as "-"
};

Line readLine(const QString& text)
{
    const QStringList f = text.split(u'\t');
    QStringList positions;
    for (qsizetype k = 2; k < f.size(); ++k)
        positions << (f[k].isEmpty() ? QStringLiteral("-") : f[k]);
    return {f.mid(0, 2).join(u' '), positions.join(u' ')};
}

std::vector<Line> readAll(const QString& text)
{
    std::vector<Line> lines;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
        lines.push_back(readLine(line));
    return lines;
}

} // namespace

QStringList decompositionChanges(const QString& older, const QString& newer)
{
    const std::vector<Line> before = readAll(older), after = readAll(newer);
    QHash<QString, QString> oldSplit;
    for (const Line& l : before)
        oldSplit.insert(l.key, l.split);
    QStringList changes;
    QHash<QString, bool> seen;
    for (const Line& l : after) {
        seen.insert(l.key, true);
        const auto old = oldSplit.constFind(l.key);
        if (old == oldSplit.constEnd())
            changes << QStringLiteral("%1: new -> %2").arg(l.key, l.split);
        else if (*old != l.split)
            changes << QStringLiteral("%1: %2 -> %3").arg(l.key, *old, l.split);
    }
    for (const Line& l : before)
        if (!seen.contains(l.key))
            changes << QStringLiteral("%1: %2 -> gone").arg(l.key, l.split);
    return changes;
}

}
