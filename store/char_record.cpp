#include "store/char_record.h"

#include "formats/record_layout.h"
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
    auto field = [&full](record::Field f) { return fromGbkLenient(full.mid(f.offset, f.width)); };
    rec.hanziBytes = full.mid(record::Hanzi.offset, record::Hanzi.width);
    rec.Hanzi = field(record::Hanzi);
    rec.Code1 = field(record::Code[0]);
    rec.Code2 = field(record::Code[1]);
    rec.Code3 = field(record::Code[2]);
    rec.Info1 = field(record::Info[0]);
    rec.Info2 = field(record::Info[1]);
    rec.Info3 = field(record::Info[2]);
    rec.Info4 = field(record::Info[3]);
    return rec;
}

} // namespace lumbrell
