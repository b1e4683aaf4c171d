#include "store/find_record.h"

#include "store/gbk.h"

#include <algorithm>

namespace lumbrell {

namespace {

// The key of a record: taken from its raw Hanzi bytes, so that a record whose
// bytes are not valid GBK still has a place in the order. A record read beyond
// the end has no bytes and sorts above everything.
int recordKey(const CharRecord& rec)
{
    return charKeyOfBytes(rec.hanziBytes).value_or(0x7FFF);
}

} // namespace

FindResult findRecord(RecordFile& file, QStringView query)
{
    FindResult result;
    const auto q = charKey(query);
    if (!q)
        return result;

    long long count = roundHalfEven(file.recordCount());
    count = std::min<long long>(count, RecordFile::MaxRecords);
    if (count < 1)
        return result; // no records: nothing can be found

    int low = 1;
    int high = static_cast<int>(count);
    auto probe = [&](int recNo) {
        result.recNo = recNo;
        result.rec = file.read(recNo);
        result.readAny = true;
        return recordKey(result.rec);
    };

    for (;;) {
        const int kLow = probe(low);
        result.lowHanzi = result.rec.Hanzi;
        const int kHigh = probe(high);
        result.highHanzi = result.rec.Hanzi;

        if (*q > kHigh || *q < kLow)
            return result;

        if (kLow < *q && *q < kHigh) {
            const int middle = low + (high - low) / 2;
            const int kMiddle = probe(middle);
            result.lowHanzi = result.rec.Hanzi;
            if (*q > kMiddle) {
                low = middle;
            } else if (*q < kMiddle) {
                high = middle;
            } else {
                result.found = true;
                return result;
            }
        } else if (*q == kLow) {
            result.recNo = low;
            result.found = true;
            return result;
        } else {
            result.recNo = high;
            result.found = true;
            return result;
        }

        if (high - low <= 1)
            return result;
    }
}

} // namespace lumbrell
