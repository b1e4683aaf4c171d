#include "tools/pictures/root_codes.h"

#include "formats/wubi_rules.h"

namespace lumbrell::data {
namespace {

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

bool typedWithSingleStrokes(QChar key, const QString& code, qsizetype strokes)
{
    if (size_t(code.size()) != wubi::componentCharacterCodeLength(size_t(strokes)) || code[0] != key)
        return false;
    const QString strokeLetters = latin1(wubi::WubiLetters);
    for (qsizetype i = 1; i < code.size(); ++i)
        if (!strokeLetters.contains(code[i]))
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
        return code == latin1(wubi::singleStrokeCode(root.key));
    if (code == latin1(wubi::keyNameCode(root.key)))
        return true;
    return code == latin1(wubi::componentCharacterCode(root.key, classes.toStdString()))
        || typedWithSingleStrokes(key, code, classes.size());
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
