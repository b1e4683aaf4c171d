#include "tools/pictures/root_codes.h"

namespace lumbrell::data {
namespace {

constexpr QStringView StrokeLetters = u"ghtyn"; // 一 丨 丿 丶 乙

QChar strokeLetter(QChar strokeClass) { return StrokeLetters[strokeClass.unicode() - u'1']; }

// Key, then the first, second and last strokes, as long as such a code runs.
QString spelled(QChar key, const QString& classes)
{
    QString code(key);
    code += strokeLetter(classes[0]);
    if (classes.size() > 1)
        code += strokeLetter(classes[1]);
    if (classes.size() > 2)
        code += strokeLetter(classes.back());
    return code;
}

bool typedWithSingleStrokes(QChar key, const QString& code, qsizetype strokes)
{
    if (code.size() != (strokes == 2 ? 3 : 4) || code[0] != key)
        return false;
    for (qsizetype i = 1; i < code.size(); ++i)
        if (!StrokeLetters.contains(code[i]))
            return false;
    return true;
}

} // namespace

bool rootAgreesWithCode(const Root& root, const OwnCode& own)
{
    const QChar key = QLatin1Char(root.key);
    const QString& code = own.fullCode;
    const QString& classes = own.classes;
    if (classes.isEmpty() || code.isEmpty())
        return false;
    for (QChar c : classes)
        if (c < u'1' || c > u'5')
            return false;
    if (classes.size() == 1)
        return code == QString(key) + key + QStringLiteral("ll");
    if (code == QString(4, key))
        return true;
    return code == spelled(key, classes) || typedWithSingleStrokes(key, code, classes.size());
}

QStringList rootsAgainstTheirCodes(const RootTable& table, const QHash<QString, OwnCode>& codes)
{
    QStringList conflicts;
    for (const Root& root : table.roots()) {
        const auto own = codes.constFind(root.glyph);
        if (!root.usualForm() || root.exceptionOnly || own == codes.constEnd() || rootAgreesWithCode(root, *own))
            continue;
        conflicts << QStringLiteral("%1 on %2 disagrees with its own code %3 (strokes %4)")
                         .arg(root.glyph, QString(QLatin1Char(root.key)), own->fullCode, own->classes);
    }
    return conflicts;
}

}
