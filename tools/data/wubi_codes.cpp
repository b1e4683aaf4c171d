#include "tools/data/wubi_codes.h"

#include <QHash>
#include <algorithm>

namespace lumbrell::data {

namespace {
struct FirstCandidate {
    QString word;
    int32_t order = 0;
};

QHash<QByteArray, FirstCandidate> firstCandidates(const std::vector<tablereader::TableEntry>& table)
{
    QHash<QByteArray, FirstCandidate> first;
    for (const tablereader::TableEntry& e : table) {
        auto it = first.find(e.code);
        if (it == first.end())
            first.insert(e.code, {e.word, e.order});
        else if (e.order < it->order)
            *it = {e.word, e.order};
    }
    return first;
}

bool byLengthThenLetters(const QString& a, const QString& b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}
} // namespace

bool assignWubiCodes(const std::vector<tablereader::TableEntry>& table, std::vector<CharEntry>& chars,
                     QStringList& report, QString* error)
{
    QHash<QString, QStringList> codesOfChar;
    for (const tablereader::TableEntry& e : table)
        codesOfChar[e.word].append(QString::fromLatin1(e.code));
    const QHash<QByteArray, FirstCandidate> first = firstCandidates(table);

    int withSimple = 0, threeLetterFull = 0, ambiguousFull = 0;
    QString missing;
    // A character of GBK's additions without a code is no character of this data;
    // every GB2312 character must have one.
    std::erase_if(chars, [&](const CharEntry& entry) {
        const QStringList& codes = codesOfChar[entry.ch];
        const bool coded = std::any_of(codes.begin(), codes.end(), [](const QString& c) { return c.size() >= 3; });
        return !coded && entry.set == CharSet::Addition;
    });
    for (CharEntry& entry : chars) {
        QStringList codes = codesOfChar.value(entry.ch);
        std::sort(codes.begin(), codes.end(), byLengthThenLetters);
        codes.removeDuplicates();
        if (codes.isEmpty() || codes.back().size() < 3) {
            missing += entry.ch;
            continue;
        }
        entry.fullCode = codes.back();
        if (codes.size() > 1 && codes[codes.size() - 2].size() == entry.fullCode.size())
            ++ambiguousFull; // the last in letter order is kept
        entry.simpleCodes.clear();
        for (const QString& code : codes) {
            if (code.size() < entry.fullCode.size() && first.value(code.toLatin1()).word == entry.ch)
                entry.simpleCodes.append(code);
        }
        withSimple += entry.simpleCodes.isEmpty() ? 0 : 1;
        threeLetterFull += entry.fullCode.size() == 3 ? 1 : 0;
    }
    if (!missing.isEmpty()) {
        *error = QStringLiteral("the Wubi 98 table has no full code for %1 characters: %2")
                     .arg(missing.size()).arg(missing.left(40));
        return false;
    }
    report << QStringLiteral("wubi98-single: %1 entries; full codes for all %2 characters (%3 of 3 letters, %4 of 4)")
                  .arg(table.size()).arg(chars.size()).arg(threeLetterFull).arg(chars.size() - size_t(threeLetterFull))
           << QStringLiteral("wubi98-single: %1 characters have simple codes; %2 have two longest codes")
                  .arg(withSimple).arg(ambiguousFull);
    return true;
}

std::array<QString, 3> recordCodes(const CharEntry& entry)
{
    const QString& full = entry.fullCode;
    auto simpleOfLength = [&](qsizetype length) {
        for (const QString& code : entry.simpleCodes) {
            if (code.size() == length)
                return code;
        }
        return QString();
    };
    // A one-letter code ends the line of a four-letter full code; a two- or
    // three-letter Code3 would empty a picture position that the full code has.
    if (full.size() == 4) {
        const QString oneLetter = simpleOfLength(1);
        if (!oneLetter.isEmpty())
            return {full, simpleOfLength(3), oneLetter};
    }
    const QString shortest = entry.simpleCodes.isEmpty() ? QString() : entry.simpleCodes.front();
    return {full, shortest, full};
}

} // namespace lumbrell::data
