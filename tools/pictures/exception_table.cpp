#include "tools/pictures/exception_table.h"

#include "formats/stroke_letters.h"

#include <QFile>
#include <algorithm>

namespace lumbrell::data {
namespace {

bool parsePosition(const QString& field, CodePosition& p)
{
    if (field == u"-") {
        p = {};
        return true;
    }
    if (field == u"id") {
        p = {PositionKind::Identification, {}, {}};
        return true;
    }
    const QStringList parts = field.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return false;
    p = {PositionKind::Component, {}, parts[1]};
    for (const QString& n : parts[0].split(u',')) {
        bool ok = false;
        const int stroke = n.toInt(&ok);
        if (!ok || stroke < 1 || stroke > 64)
            return false;
        p.strokes.push_back(stroke - 1);
    }
    return true;
}

bool validClasses(const QString& classes)
{
    return !classes.isEmpty() && std::all_of(classes.begin(), classes.end(), [](QChar c) { return c >= u'1' && c <= u'5'; });
}

bool validCode(const QString& code)
{
    return (code.size() == 3 || code.size() == 4)
        && std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'a' && c <= u'y'; });
}

// Whether position k and every coded one after it is a single stroke that
// fills out the code of a component form (衤 puyy: ⺭ and 丷, then 丶 丶):
// such a position marks a stroke another one holds already.
bool fillsWithSingleStrokes(const Exception& e, int k)
{
    const QStringView singleStrokes(strokes::Symbols, strokes::ClassCount);
    for (int j = k; j < int(e.fullCode.size()); ++j) {
        const CodePosition& p = e.positions[size_t(j)];
        if (p.kind != PositionKind::Component || p.strokes.size() != 1 || p.glyph.size() != 1
            || !singleStrokes.contains(p.glyph))
            return false;
    }
    return k >= 2;
}

} // namespace

bool ExceptionTable::parse(const QString& text, QString* error)
{
    exceptions_.clear();
    index_.clear();
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].section(u'#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList f = line.split(u'\t');
        Exception e;
        bool ok = f.size() == 8 && f[0].toUcs4().size() == 1 && validCode(f[1]) && validClasses(f[2])
            && !f[7].trimmed().isEmpty() && !index_.contains(f[0]);
        for (int k = 0; ok && k < 4; ++k)
            ok = parsePosition(f[3 + k], e.positions[size_t(k)]);
        if (!ok) {
            *error = QStringLiteral("exception table line %1: expected \"character TAB full code TAB classes TAB four "
                                    "positions (strokes root, id or -) TAB reason\", one line a character, got \"%2\"")
                         .arg(n + 1)
                         .arg(line);
            return false;
        }
        e.ch = f[0];
        e.fullCode = f[1];
        e.classes = f[2];
        e.reason = f[7].trimmed();
        index_.insert(e.ch, exceptions_.size());
        exceptions_.push_back(std::move(e));
    }
    return true;
}

bool ExceptionTable::loadBuiltIn(QString* error)
{
    QFile file(QStringLiteral(":/pictures/exceptions.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("exception table %1 is missing from the build").arg(file.fileName());
        return false;
    }
    return parse(QString::fromUtf8(file.readAll()), error);
}

const Exception* ExceptionTable::find(const QString& ch) const
{
    const auto i = index_.constFind(ch);
    return i == index_.constEnd() ? nullptr : &exceptions_[*i];
}

QStringList exceptionProblems(const Exception& e, const RootTable& roots, const QString& ownFullCode)
{
    QStringList problems;
    const int n = int(e.classes.size());
    const int codeLength = int(e.fullCode.size());
    if (e.fullCode != ownFullCode)
        problems << QStringLiteral("its code %1 is not the character's own (%2)").arg(e.fullCode, ownFullCode);
    // Which positions the code has: components, then an identification letter or a fourth root.
    const bool identified = e.positions[size_t(codeLength - 1)].kind == PositionKind::Identification;
    for (int k = 0; k < 4; ++k) {
        const CodePosition& p = e.positions[size_t(k)];
        const bool wanted = k < codeLength;
        const bool idPlace = identified && k == codeLength - 1;
        if (!wanted && p.kind != PositionKind::Blank)
            problems << QStringLiteral("position %1 is beyond the code").arg(k + 1);
        else if (wanted && idPlace != (p.kind == PositionKind::Identification))
            problems << QStringLiteral("position %1 should %2 the identification letter").arg(k + 1).arg(idPlace ? "be" : "not be");
        else if (wanted && !idPlace && p.kind != PositionKind::Component)
            problems << QStringLiteral("position %1 marks nothing").arg(k + 1);
    }
    std::vector<int> holder(size_t(n), -1);
    for (int k = 0; k < 4; ++k) {
        const CodePosition& p = e.positions[size_t(k)];
        if (p.kind != PositionKind::Component)
            continue;
        QString classes;
        for (int s : p.strokes) {
            if (s >= n) {
                problems << QStringLiteral("position %1: stroke %2 beyond the %3 strokes").arg(k + 1).arg(s + 1).arg(n);
                continue;
            }
            if (holder[size_t(s)] >= 0 && !fillsWithSingleStrokes(e, k))
                problems << QStringLiteral("stroke %1 in positions %2 and %3").arg(s + 1).arg(holder[size_t(s)] + 1).arg(k + 1);
            holder[size_t(s)] = k;
            classes += e.classes[s];
        }
        const char key = char(e.fullCode[k].unicode());
        QStringList rowClasses; // one of the rows of the name must fit
        for (const Root* root : roots.named(p.glyph, key))
            rowClasses << QString::fromStdString(root->head + root->tail);
        if (rowClasses.isEmpty())
            problems << QStringLiteral("position %1: no root %2 on %3").arg(k + 1).arg(p.glyph).arg(QLatin1Char(key));
        else if (!rowClasses.contains(classes))
            problems << QStringLiteral("position %1: root %2 has classes %3, its strokes %4")
                            .arg(k + 1)
                            .arg(p.glyph, rowClasses.join(u'/'), classes);
    }
    // Every stroke held, but for the uncoded roots of a four-root code, which
    // come after the third root's first stroke.
    const CodePosition& third = e.positions[2];
    for (int s = 0; s < n; ++s) {
        if (holder[size_t(s)] >= 0)
            continue;
        const bool uncoded = codeLength == 4 && !identified && !third.strokes.empty()
            && s > *std::min_element(third.strokes.begin(), third.strokes.end());
        if (!uncoded)
            problems << QStringLiteral("stroke %1 is in no position").arg(s + 1);
    }
    // The letter names the class of the last stroke of the last coded root, as
    // that root writes it (the part a frame or a crossing root holds gives it,
    // as 困 and 秉 show).
    if (identified && codeLength >= 2) {
        const CodePosition& last = e.positions[size_t(codeLength - 2)];
        if (!last.strokes.empty() && last.strokes.back() < n) {
            const QChar cls = e.classes[last.strokes.back()];
            if (!identificationFits(char(e.fullCode.back().unicode()), char(cls.unicode())))
                problems << QStringLiteral("identification letter %1 does not name the class %2 of the last root's "
                                           "last stroke")
                                .arg(e.fullCode.back())
                                .arg(cls);
        }
    }
    return problems;
}

Decomposition fromException(const Exception& e)
{
    Decomposition d;
    d.kind = DecompositionKind::Roots;
    d.positions = e.positions;
    for (CodePosition& p : d.positions)
        std::sort(p.strokes.begin(), p.strokes.end());
    d.decidedBy = Criterion::Exception;
    return d;
}

}
