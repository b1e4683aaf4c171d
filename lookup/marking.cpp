// Marking a component: one black area fill at each seed point of its field.
#include "app/form11.h"
#include "lookup/fill_area.h"
#include "lookup/picture_box.h"
#include "lookup/point_list.h"
#include "store/spaces.h"

namespace lumbrell {

void Form11::MarkComponent(int position)
{
    // 倔's fourth box stays unmarked.
    if (position == 4 && trimSpaces(Text11.text()) == u"倔")
        Rec.Info4 = QString(72, u' ');
    PictureBox& box = *Picture1[position - 1];
    for (const QPoint& point : parsePointList(Rec.info(position)))
        FillArea(box, point.x(), point.y(), qRgb(0, 0, 0));
}

} // namespace lumbrell
