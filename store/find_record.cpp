#include "store/find_record.h"

#include "store/gbk.h"

namespace lumbrell {

std::optional<int> findRecord(const RecordFile& file, QStringView query)
{
    const auto wanted = charKey(query);
    if (!wanted || file.count() < 1)
        return std::nullopt;
    const int q = *wanted;

    int low = 1;
    int high = file.count();
    for (;;) {
        const int kLow = file.key(low);
        const int kHigh = file.key(high);
        if (q > kHigh || q < kLow)
            return std::nullopt;
        if (q == kLow)
            return low;
        if (q == kHigh)
            return high;

        const int middle = low + (high - low) / 2;
        const int kMiddle = file.key(middle);
        if (q == kMiddle)
            return middle;
        (q > kMiddle ? low : high) = middle;
        if (high - low <= 1)
            return std::nullopt;
    }
}

} // namespace lumbrell
