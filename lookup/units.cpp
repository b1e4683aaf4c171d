#include "lookup/units.h"

#include "store/rounding.h"

namespace lumbrell {

int twipsToPixels(int twips)
{
    return static_cast<int>(roundHalfEven(static_cast<double>(twips) / TwipsPerPixel));
}

} // namespace lumbrell
