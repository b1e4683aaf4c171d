#include "lookup/identification.h"

#include "formats/identification_letters.h"

namespace lumbrell {

int identificationIndex(QChar letter)
{
    const auto at = identification::DiagramLetters.find(letter.unicode());
    return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace lumbrell
