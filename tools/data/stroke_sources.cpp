#include "tools/data/stroke_sources.h"

#include "formats/stroke_letters.h"

#include "tools/data/text_file.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace lumbrell::data {

namespace {
// The bundle embeds its data as JSON.parse('{...}') calls.
QList<QJsonObject> embeddedJsonObjects(const QString& script)
{
    static const QString opening = QStringLiteral("JSON.parse('");
    QList<QJsonObject> objects;
    qsizetype from = 0;
    while ((from = script.indexOf(opening, from)) >= 0) {
        from += opening.size();
        const qsizetype end = script.indexOf(QStringLiteral("')"), from);
        if (end < 0)
            break;
        const QJsonDocument doc = QJsonDocument::fromJson(script.mid(from, end - from).toUtf8());
        if (doc.isObject())
            objects.append(doc.object());
        from = end;
    }
    return objects;
}

bool isStrokeDictionary(const QJsonObject& object)
{
    return !object.isEmpty() && object.begin().value().isObject();
}
} // namespace

QChar strokeClassOfName(const QString& name)
{
    static const QHash<QString, QChar> simpleStrokes{
        {QStringLiteral("横"), '1'},   {QStringLiteral("提"), '1'},  {QStringLiteral("竖"), '2'},
        {QStringLiteral("竖钩"), '2'}, {QStringLiteral("撇"), '3'},  {QStringLiteral("点"), '4'},
        {QStringLiteral("点2"), '4'},  {QStringLiteral("捺"), '4'},
    };
    return simpleStrokes.value(name, QLatin1Char('5'));
}

std::optional<StrokeClassMap> readCncharOrder(const QString& path, QString* error)
{
    const std::optional<QString> script = readUtf8File(path, error);
    if (!script)
        return std::nullopt;
    QJsonObject orders, dictionary;
    for (const QJsonObject& object : embeddedJsonObjects(*script))
        (isStrokeDictionary(object) ? dictionary : orders) = object;
    if (orders.isEmpty() || dictionary.isEmpty()) {
        *error = QStringLiteral("%1: no stroke order map and stroke dictionary found; reinstall cnchar-order "
                                "(delete .cache/npm and run scripts/fetch-sources.sh)").arg(path);
        return std::nullopt;
    }
    QHash<QChar, QChar> classOfLetter;
    for (auto it = dictionary.begin(); it != dictionary.end(); ++it) {
        if (it.key().size() == 1)
            classOfLetter.insert(it.key()[0], strokeClassOfName(it.value().toObject().value("name").toString()));
    }
    StrokeClassMap classes;
    for (auto it = orders.begin(); it != orders.end(); ++it) {
        QString digits;
        for (const QChar letter : it.value().toString()) {
            const QChar digit = classOfLetter.value(letter);
            if (digit.isNull()) {
                *error = QStringLiteral("%1: stroke letter '%2' of %3 is not in its stroke dictionary")
                             .arg(path, QString(letter), it.key());
                return std::nullopt;
            }
            digits += digit;
        }
        classes.insert(it.key(), digits);
    }
    return classes;
}

std::optional<StrokeClassMap> readRimeStrokes(const QString& path, QString* error, StrokeClassMap* otherLines)
{
    const std::optional<QString> text = readUtf8File(path, error);
    if (!text)
        return std::nullopt;
    StrokeClassMap classes;
    QHash<QString, int> linesSeen;
    bool inBody = false;
    for (QStringView line : QStringView(*text).split(u'\n')) {
        if (!inBody) {
            inBody = line.trimmed() == u"...";
            continue;
        }
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0 || line.startsWith(u'#'))
            continue;
        const QString ch = line.first(tab).toString();
        QString digits;
        for (const QChar letter : line.sliced(tab + 1).trimmed()) {
            const char digit = strokes::digitOfRimeLetter(letter.toLatin1());
            digits += digit ? QLatin1Char(digit) : QLatin1Char('?');
        }
        if (digits.isEmpty() || digits.contains(u'?'))
            continue;
        // First and second lines are kept; a second line is the mainland order.
        const int seen = ++linesSeen[ch];
        if (seen == 2 && otherLines && classes.value(ch) != digits)
            otherLines->insert(ch, classes.value(ch));
        if (seen <= 2)
            classes.insert(ch, digits);
    }
    if (classes.isEmpty()) {
        *error = QStringLiteral("%1: no stroke lines found; reinstall the Debian package rime-data-stroke").arg(path);
        return std::nullopt;
    }
    return classes;
}

} // namespace lumbrell::data
