#include "app/print_lookup.h"

#include "input/word_code.h"
#include "lookup/code_line.h"
#include "store/find_record.h"
#include "store/spaces.h"
#include "tables/characters.h"
#include "tables/find_next.h"

namespace lumbrell {

QString pinyinOf(const TableTexts& tables, const QString& character)
{
    for (const QString& table : tables.pinyin) {
        QString last;
        std::int32_t position = 0;
        while (const std::optional<QString> syllable = findNextFollowing(table, character, position))
            last = *syllable;
        if (!isBlank(last))
            return trimSpaces(last);
    }
    return {};
}

PrintedLookups printLookups(RecordFile& file, const TableTexts& tables, const QString& text)
{
    PrintedLookups result;
    for (qsizetype at = 0; at < text.size();) {
        const QString character = characterAfter(text, at).toString();
        at += character.size();
        if (isBlank(character))
            continue;
        const FindResult found = findRecord(file, character);
        if (!found.found) {
            result.withoutRecord.append(character);
            continue;
        }
        const QString codes = buildCodeLine(found.rec.Code3, found.rec.Code2, found.rec.Code1);
        QStringList fields{character};
        fields += codes.split(QStringLiteral("  "), Qt::SkipEmptyParts);
        fields.append(pinyinOf(tables, character));
        result.lines.append(fields.join(u'\t'));
    }
    return result;
}

PrintedLookups printWordCodes(RecordFile& file, const QString& text)
{
    PrintedLookups result;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const WordCode code = wordCodeOf(file, word);
        for (const QString& character : code.missing)
            if (!result.withoutRecord.contains(character))
                result.withoutRecord.append(character);
        if (!code.code.isEmpty())
            result.lines.append(code.word + u'\t' + code.code);
    }
    return result;
}

} // namespace lumbrell
