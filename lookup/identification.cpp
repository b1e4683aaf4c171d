#include "lookup/identification.h"

#include <QStringView>

namespace lumbrell {

int identificationIndex(QChar letter)
{
    static constexpr QStringView letters = u"gfdhjktreyuinbvl";
    return static_cast<int>(letters.indexOf(letter));
}

} // namespace lumbrell
