#include "store/char_record.h"

#include "store/gbk.h"

namespace lumbrell {

QString& CharRecord::info(int position)
{
    switch (position) {
    case 1: return Info1;
    case 2: return Info2;
    case 3: return Info3;
    default: return Info4;
    }
}

CharRecord CharRecord::fromBytes(const QByteArray& bytes)
{
    CharRecord rec;
    if (bytes.isEmpty())
        return rec;
    QByteArray full = bytes.left(Size);
    if (full.size() < Size)
        full.append(QByteArray(Size - full.size(), ' '));
    auto field = [&full](int offset, int width) { return fromGbk(full.mid(offset, width)); };
    rec.hanziBytes = full.left(2);
    rec.Hanzi = field(0, 2);
    rec.Code1 = field(2, 4);
    rec.Code2 = field(6, 4);
    rec.Code3 = field(10, 4);
    rec.Info1 = field(14, 72);
    rec.Info2 = field(86, 72);
    rec.Info3 = field(158, 72);
    rec.Info4 = field(230, 72);
    return rec;
}

} // namespace lumbrell
