#include "lookup/dictionary.h"

#include "formats/syllable_groups.h"
#include "store/find_record.h"
#include "store/gbk.h"
#include "store/spaces.h"
#include "tables/table_search.h"

namespace lumbrell {

bool Dictionary::open(const QString& recordFile, QString* error)
{
    return records_.open(recordFile, error);
}

std::optional<CharRecord> Dictionary::record(QStringView text) const
{
    ++recordSearches_;
    const std::optional<int> number = findRecord(records_, text);
    if (!number)
        return std::nullopt;
    return records_.record(*number);
}

std::optional<QStringList> Dictionary::charactersWithStrokes(QStringView key) const
{
    if (key.isEmpty() || key[0] < u'1' || key[0] > u'5')
        return std::nullopt;
    return charactersBefore(tables_.stroke[size_t(key[0].unicode() - u'1')], key);
}

std::optional<QStringList> Dictionary::charactersWithSyllable(QStringView key) const
{
    if (key.isEmpty() || key[0].isHighSurrogate())
        return std::nullopt;
    const int group = syllables::groupOf(key[0].unicode());
    if (group < 0)
        return std::nullopt;
    return charactersBefore(tables_.pinyin[size_t(group)], key);
}

QString Dictionary::reading(QStringView character) const
{
    if (!isDoubleByte(character))
        return {};
    for (const QString& table : tables_.pinyin) {
        const std::optional<QString> field = lastFieldAfter(table, character);
        if (field && !isBlank(*field))
            return trimSpaces(*field);
    }
    return {};
}

} // namespace lumbrell
