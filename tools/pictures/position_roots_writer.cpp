#include "tools/pictures/position_roots_writer.h"

#include "formats/position_roots_format.h"

namespace lumbrell::data {

QString rootOfName(const QString& name)
{
    const qsizetype open = name.lastIndexOf(u'(');
    return open > 0 && name.endsWith(u')') ? name.first(open) : name;
}

QString positionRootsLine(const QString& ch, const QString& fullCode, const Decomposition& d)
{
    const QChar separator = QLatin1Char(positionroots::Separator);
    QString line = ch + separator + fullCode;
    for (qsizetype k = 0; k < fullCode.size() && k < positionroots::CodeLetters; ++k) {
        const CodePosition& p = d.positions[size_t(k)];
        line += separator;
        if (p.kind == PositionKind::Identification)
            line += QLatin1String(positionroots::Identification);
        else if (p.kind == PositionKind::Component && !p.glyph.isEmpty())
            line += rootOfName(p.glyph);
        else
            line += QLatin1String(positionroots::Unmarked);
    }
    return line + u'\n';
}

}
