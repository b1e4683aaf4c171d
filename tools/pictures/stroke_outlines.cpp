#include "tools/pictures/stroke_outlines.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumbrell::data {
namespace {

constexpr double Baseline = 900.0; // the data's y of the square's top edge

QPointF flipped(double x, double y) { return {x, Baseline - y}; }

// Splits "M 1 2 Q 3 4 5 6 Z" into command letters and numbers.
QStringList tokens(const QString& text)
{
    QStringList out;
    QString number;
    auto flush = [&] {
        if (!number.isEmpty())
            out << number;
        number.clear();
    };
    for (QChar c : text) {
        if (c.isLetter() && c != u'e' && c != u'E') {
            flush();
            out << QString(c);
        } else if (c.isSpace() || c == u',') {
            flush();
        } else if (c == u'-' && !number.isEmpty() && !number.endsWith(u'e') && !number.endsWith(u'E')) {
            flush();
            number += c;
        } else {
            number += c;
        }
    }
    flush();
    return out;
}

} // namespace

bool parseSvgPath(const QString& text, QPainterPath& path)
{
    const QStringList t = tokens(text);
    path = QPainterPath();
    qsizetype i = 0;
    auto numbers = [&](int count, double* values) {
        for (int k = 0; k < count; ++k) {
            if (i >= t.size())
                return false;
            bool ok = false;
            values[k] = t[i++].toDouble(&ok);
            if (!ok)
                return false;
        }
        return true;
    };
    while (i < t.size()) {
        const QString command = t[i++];
        double v[6];
        if (command == u"M") {
            if (!numbers(2, v))
                return false;
            path.moveTo(flipped(v[0], v[1]));
        } else if (command == u"L") {
            if (!numbers(2, v))
                return false;
            path.lineTo(flipped(v[0], v[1]));
        } else if (command == u"Q") {
            if (!numbers(4, v))
                return false;
            path.quadTo(flipped(v[0], v[1]), flipped(v[2], v[3]));
        } else if (command == u"C") {
            if (!numbers(6, v))
                return false;
            path.cubicTo(flipped(v[0], v[1]), flipped(v[2], v[3]), flipped(v[4], v[5]));
        } else if (command == u"Z") {
            path.closeSubpath();
        } else {
            return false;
        }
    }
    return !path.isEmpty();
}

bool parseStrokeOutlines(const QByteArray& json, StrokeOutlines& out, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    const QJsonArray strokes = doc.object().value(u"strokes").toArray();
    const QJsonArray medians = doc.object().value(u"medians").toArray();
    if (!doc.isObject() || strokes.isEmpty() || medians.size() != strokes.size()) {
        *error = QStringLiteral("no matching \"strokes\" and \"medians\" lists");
        return false;
    }
    out = {};
    for (const QJsonValue& s : strokes) {
        QPainterPath path;
        if (!parseSvgPath(s.toString(), path)) {
            *error = QStringLiteral("a stroke outline that is not a plain SVG path");
            return false;
        }
        path.setFillRule(Qt::WindingFill);
        out.outlines.push_back(path);
    }
    for (const QJsonValue& m : medians) {
        QPolygonF line;
        for (const QJsonValue& p : m.toArray()) {
            const QJsonArray xy = p.toArray();
            if (xy.size() != 2) {
                *error = QStringLiteral("a median point that is not an (x, y) pair");
                return false;
            }
            line << flipped(xy[0].toDouble(), xy[1].toDouble());
        }
        if (line.isEmpty()) {
            *error = QStringLiteral("an empty median");
            return false;
        }
        out.medians.push_back(line);
    }
    return true;
}

bool loadStrokeOutlines(const QString& dir, const QString& ch, StrokeOutlines& out, QString* error)
{
    QFile file(dir + u'/' + ch + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot be read (%2)").arg(file.fileName(), file.errorString());
        return false;
    }
    QString why;
    if (!parseStrokeOutlines(file.readAll(), out, &why)) {
        *error = QStringLiteral("%1: %2").arg(file.fileName(), why);
        return false;
    }
    return true;
}

}
