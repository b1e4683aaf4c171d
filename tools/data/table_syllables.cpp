#include "tools/data/table_syllables.h"

#include "tables/syllables.h"

namespace lumbrell::data {

const QSet<QString>& chooserSyllables()
{
    static const QSet<QString> syllables(lumbrell::chooserSyllables().cbegin(), lumbrell::chooserSyllables().cend());
    return syllables;
}

const QSet<QString>& tableSyllables()
{
    static const QSet<QString> syllables = chooserSyllables() + QSet<QString>{QStringLiteral("fo"), QStringLiteral("lo")};
    return syllables;
}

} // namespace lumbrell::data
