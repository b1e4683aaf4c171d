#include "store/position_roots.h"

#include "formats/position_roots_format.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace lumbrell {
namespace {

bool isCodeLetter(QChar c) { return c >= u'a' && c <= u'z'; }

} // namespace

bool PositionRoots::read(const QString& path, QString* problem)
{
    byCharacter_.clear();
    QFile file(path);
    // Only a plain file: a pipe in its place would hang the reader.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("%1: the roots of the code positions cannot be read").arg(path);
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    const QChar separator = QLatin1Char(positionroots::Separator);
    for (QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
        const QList<QStringView> fields = line.split(separator);
        if (fields.size() < 3 || fields[0].isEmpty())
            continue;
        const QStringView code = fields[1];
        const bool wellFormed = code.size() <= positionroots::CodeLetters && fields.size() == 2 + code.size()
            && std::all_of(code.begin(), code.end(), isCodeLetter)
            && std::none_of(fields.begin() + 2, fields.end(), [](QStringView f) { return f.isEmpty(); });
        if (!wellFormed)
            continue;
        CharacterRoots roots{code.toString(), {}};
        for (qsizetype k = 2; k < fields.size(); ++k)
            roots.positions.append(fields[k].toString());
        byCharacter_.insert(fields[0].toString(), roots);
    }
    return true;
}

} // namespace lumbrell
