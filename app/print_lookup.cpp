#include "app/print_lookup.h"

#include "lookup/code_line.h"
#include "store/spaces.h"
#include "tables/characters.h"

namespace lumbrell {

PrintedLookups printLookups(const Dictionary& dictionary, const QString& text)
{
    PrintedLookups result;
    for (qsizetype at = 0; at < text.size();) {
        const QString character = characterAfter(text, at).toString();
        at += character.size();
        if (isBlank(character))
            continue;
        const std::optional<CharRecord> record = dictionary.record(character);
        if (!record) {
            result.withoutRecord.append(character);
            continue;
        }
        QStringList fields{character};
        fields += codesOf(*record);
        fields.append(dictionary.reading(character));
        result.lines.append(fields.join(u'\t'));
    }
    return result;
}

} // namespace lumbrell
