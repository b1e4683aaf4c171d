#include "tools/pictures/root_table.h"

#include <QFile>
#include <algorithm>

namespace lumbrell::data {
namespace {

bool isClassDigit(QChar c) { return c >= u'1' && c <= u'5'; }

bool parseClasses(const QString& text, Root& root)
{
    const QStringList parts = text.split(u'|');
    if (parts.size() > 2)
        return false;
    for (const QString& part : parts)
        for (QChar c : part)
            if (!isClassDigit(c))
                return false;
    root.head = parts[0].toStdString();
    root.tail = parts.size() == 2 ? parts[1].toStdString() : std::string();
    return !root.head.empty() && (parts.size() == 1 || !root.tail.empty());
}

// "巨:2,3": the root's shape is strokes 2 and 3 of 巨.
bool parseShape(const QString& field, Root& root)
{
    const QStringList parts = field.split(u':');
    if (parts.size() != 2 || parts[0].toUcs4().size() != 1)
        return false;
    root.shapeFrom = parts[0];
    for (const QString& n : parts[1].split(u',')) {
        bool ok = false;
        const int stroke = n.toInt(&ok);
        if (!ok || stroke < 1 || stroke > 64)
            return false;
        root.shapeStrokes.push_back(stroke - 1);
    }
    return int(root.shapeStrokes.size()) == root.strokeCount();
}

// "-" or a whole number from 1: the row's tie number.
bool parseTie(const QString& field, Root& root)
{
    if (field == u"-")
        return true;
    bool ok = false;
    root.tie = field.toInt(&ok);
    return ok && root.tie >= 1;
}

// "root key classes order use form shape [tie]".
bool parseColumns(const QStringList& f, Root& root)
{
    if (f.size() == 8 && !parseTie(f[7], root))
        return false;
    if (f[3] != u"-" && f[3] != u"last" && f[3] != u"crossed" && f[3] != u"crosses")
        return false;
    if (f[4] != u"-" && f[4] != u"alone" && f[4] != u"exception")
        return false;
    root.writtenLast = f[3] == u"last";
    root.crossed = f[3] == u"crossed";
    root.crosses = f[3] == u"crosses";
    if ((root.crossed || root.crosses) && root.tail.empty())
        return false;
    root.alone = f[4] == u"alone";
    root.exceptionOnly = f[4] == u"exception";
    if (f[5] != u"-") {
        if (f[5].toUcs4().size() != 1)
            return false;
        root.form = f[5];
    }
    return f[6] == u"-" || parseShape(f[6], root);
}

// "root key classes [last|alone] [like C:n,...]", the form "X(Y)" in the root's name.
bool parseOlderForm(const QStringList& f, Root& root)
{
    for (qsizetype k = 3; k < f.size(); ++k) {
        if (f[k] == u"last" && k == 3)
            root.writtenLast = true;
        else if (f[k] == u"alone" && k == 3)
            root.alone = true;
        else if (k != f.size() - 1 || !f[k].startsWith(u"like ") || !parseShape(f[k].mid(5), root))
            return false;
    }
    const qsizetype open = root.glyph.lastIndexOf(u'(');
    if (open > 0 && root.glyph.endsWith(u')')) {
        const QString form = root.glyph.mid(open + 1, root.glyph.size() - open - 2);
        if (form.toUcs4().size() != 1)
            return false;
        root.form = form;
        root.glyph.truncate(open);
    }
    return true;
}

} // namespace

bool RootTable::parse(const QString& text, QString* error)
{
    roots_.clear();
    lines_.clear();
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].section(u'#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList f = line.split(u'\t', Qt::SkipEmptyParts);
        Root root;
        const bool keyOk = f.size() >= 3 && f[1].size() == 1 && f[1][0] >= u'a' && f[1][0] <= u'y';
        if (keyOk) {
            root.glyph = f[0];
            root.key = char(f[1][0].unicode());
        }
        const bool restOk = keyOk && parseClasses(f[2], root)
            && (f.size() >= 7 && f.size() <= 8 ? parseColumns(f, root) : f.size() <= 5 && parseOlderForm(f, root));
        if (!restOk) {
            *error = QStringLiteral("root table line %1: expected \"root TAB key TAB classes TAB order TAB use TAB "
                                    "form TAB shape [TAB tie]\" (or \"root TAB key TAB classes [TAB last|alone] [TAB like "
                                    "CHAR:strokes]\"), got \"%2\"")
                         .arg(n + 1)
                         .arg(line);
            return false;
        }
        roots_.push_back(root);
        lines_.push_back(int(n + 1));
    }
    for (auto& list : byKey_)
        list.clear();
    for (const Root& root : roots_)
        if (root.searched())
            byKey_[root.key - 'a'].push_back(&root);
    if (roots_.empty()) {
        *error = QStringLiteral("root table: no roots");
        return false;
    }
    return tiesStated(error);
}

namespace {

// The classes a root's strokes have, whether or not it is written around others.
std::string allClasses(const Root& root) { return root.head + root.tail; }

} // namespace

bool RootTable::tiesStated(QString* error) const
{
    for (size_t a = 0; a < roots_.size(); ++a)
        for (size_t b = a + 1; b < roots_.size(); ++b) {
            const Root &p = roots_[a], &q = roots_[b];
            if (!p.searched() || !q.searched() || p.key != q.key || allClasses(p) != allClasses(q))
                continue;
            if (p.tie == 0 || q.tie == 0 || p.tie == q.tie) {
                *error = QStringLiteral("root table lines %1 and %2: %3 and %4 on %5 have the same strokes; give "
                                        "them distinct tie numbers (the last column)")
                             .arg(lines_[a])
                             .arg(lines_[b])
                             .arg(p.name(), q.name())
                             .arg(QChar(p.key));
                return false;
            }
        }
    return true;
}

bool RootTable::loadBuiltIn(QString* error)
{
    QFile file(QStringLiteral(":/pictures/roots.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("root table %1 is missing from the build").arg(file.fileName());
        return false;
    }
    return parse(QString::fromUtf8(file.readAll()), error);
}

const std::vector<const Root*>& RootTable::rootsOfKey(char key) const
{
    static const std::vector<const Root*> none;
    return key >= 'a' && key <= 'z' ? byKey_[key - 'a'] : none;
}

void RootTable::attachShapes(const std::function<std::vector<QPolygonF>(const QString& glyph)>& centreLines)
{
    for (Root& root : roots_) {
        if (!root.shapeFrom.isEmpty()) {
            const std::vector<QPolygonF> lines = centreLines(root.shapeFrom);
            std::vector<QPolygonF> part;
            for (int s : root.shapeStrokes)
                if (s < int(lines.size()))
                    part.push_back(lines[size_t(s)]);
            if (int(part.size()) == root.strokeCount())
                root.shape = std::move(part);
            continue;
        }
        if (!root.usualForm())
            continue;
        std::vector<QPolygonF> lines = centreLines(root.glyph);
        if (int(lines.size()) == root.strokeCount())
            root.shape = std::move(lines);
    }
}

bool RootTable::hasGlyph(const QString& glyph, char key) const
{
    return std::any_of(roots_.begin(), roots_.end(),
                       [&](const Root& root) { return root.key == key && root.glyph == glyph && root.usualForm() && !root.exceptionOnly;
                       });
}

std::vector<const Root*> RootTable::named(const QString& name, char key) const
{
    std::vector<const Root*> rows;
    for (const Root& root : roots_)
        if (root.key == key && root.name() == name)
            rows.push_back(&root);
    return rows;
}

}
