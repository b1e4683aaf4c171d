#include "lookup/code_line.h"

#include "store/spaces.h"

#include <QStringList>

#include <algorithm>

namespace lumbrell {
namespace {

// For code lengths that fit none of the forms: the codes the record has,
// shortest first, each once.
QString orderedCodes(const QStringList& codes)
{
    QStringList present;
    for (const QString& code : codes)
        if (!code.isEmpty() && !present.contains(code))
            present.append(code);
    std::stable_sort(present.begin(), present.end(),
                     [](const QString& a, const QString& b) { return a.size() < b.size(); });
    return present.join(QStringLiteral("  "));
}

} // namespace

QString buildCodeLine(const QString& code3, const QString& code2, const QString& code1)
{
    const QString c6 = trimSpaces(code3);
    const QString c7 = trimSpaces(code2);
    const QString c8 = trimSpaces(code1);
    const auto l6 = c6.size();
    const auto l7 = c7.size();
    const auto l8 = c8.size();
    const QString sep = QStringLiteral("  ");

    QString line;
    bool anyForm = false;
    if (l6 < l7 && l7 < l8) {
        line = c6 + sep + c7 + sep + c8;
        anyForm = true;
    }
    if (l7 < l6 && l6 < l8) {
        line = c7 + sep + c6 + sep + c8;
        anyForm = true;
    }
    if (l6 == l8 && c7.isEmpty()) {
        line = c6;
        anyForm = true;
    }
    if (l6 == l8 && l7 < l6) {
        line = c7 + sep + c6;
        anyForm = true;
    }
    if (!anyForm)
        line = orderedCodes({c6, c7, c8});
    return trimSpaces(line);
}

QStringList codesOf(const CharRecord& record)
{
    return buildCodeLine(record.Code3, record.Code2, record.Code1).split(QStringLiteral("  "), Qt::SkipEmptyParts);
}

} // namespace lumbrell
