// The record store's side of the main window: reading the record RecNo into
// Rec, mirroring it into the hidden field boxes, and the search by character.
#include "app/form11.h"
#include "store/find_record.h"

namespace lumbrell {

void Form11::ReadRecord()
{
    Rec = DataFile.read(RecNo);
}

double Form11::RecordCount() const
{
    return DataFile.recordCount();
}

void Form11::display()
{
    ReadRecord();
    Text11.setText(Rec.Hanzi);
    Text12.setText(Rec.Code1);
    Text13.setText(Rec.Code2);
    Text14.setText(Rec.Code3);
    Text17.setText(Rec.Info1);
    Text18.setText(Rec.Info2);
    Text19.setText(Rec.Info3);
    Text20.setText(Rec.Info4);
}

bool Form11::FindRecord()
{
    const FindResult result = findRecord(DataFile, Text23.text());
    if (!result.readAny)
        return false;
    RecNo = static_cast<std::int16_t>(result.recNo);
    Rec = result.rec;
    Text31.setText(result.lowHanzi);
    Text32.setText(result.highHanzi);
    return result.found;
}

} // namespace lumbrell
