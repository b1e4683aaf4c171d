#include "lookup/lookup_plan.h"

#include "formats/fill_point_format.h"
#include "lookup/code_line.h"
#include "lookup/identification.h"
#include "lookup/point_list.h"
#include "store/gbk.h"
#include "store/spaces.h"

namespace lumbrell {
namespace {

PositionPlan diagramOf(const QString& code1, int position)
{
    const QChar letter = position - 1 < code1.size() ? code1[position - 1] : QChar(u' ');
    const int index = identificationIndex(letter);
    // A letter outside the table has no diagram: the box stays empty.
    if (index < 0)
        return {};
    return {PositionPicture::Diagram, {}, index};
}

bool isIdentification(const QString& info)
{
    return trimSpaces(info) == QLatin1String(fillpoints::IdentificationMarker);
}

bool showsComponent(const QString& info) { return !isBlank(info) && !isIdentification(info); }

} // namespace

bool LookupPlan::needsDrawing() const
{
    for (const PositionPlan& position : positions)
        if (position.picture == PositionPicture::Drawing)
            return true;
    return false;
}

LookupPlan LookupPlan::withoutDrawing() const
{
    LookupPlan plan;
    plan.character = character;
    plan.codeLine = codeLine;
    plan.positions[0].picture = PositionPicture::CharacterOnly;
    return plan;
}

LookupPlan planLookup(const CharRecord& record)
{
    LookupPlan plan;
    plan.character = firstCharacter(record.Hanzi).toString();
    plan.codeLine = buildCodeLine(record.Code3, record.Code2, record.Code1);

    // Positions the code does not have carry no fill points.
    std::array<QString, 4> info = {record.Info1, record.Info2, record.Info3, record.Info4};
    const qsizetype code3Length = trimSpaces(record.Code3).size();
    if (code3Length == 2 || code3Length == 3)
        info[3].clear();
    if (code3Length == 2)
        info[2].clear();

    std::array<QList<QPoint>, 4> seeds;
    bool anySeed = false;
    for (int i = 0; i < 4; ++i) {
        if (showsComponent(info[i]))
            seeds[i] = parsePointList(info[i]);
        anySeed = anySeed || !seeds[i].isEmpty();
    }
    plan.drawingExpected = anySeed;
    // 倔's fourth box shows its drawing unmarked.
    if (trimSpaces(record.Hanzi) == u"倔")
        seeds[3].clear();

    const auto drawing = [&](int i) { return PositionPlan{PositionPicture::Drawing, seeds[i], -1}; };
    plan.positions[0] = drawing(0);
    plan.positions[1] = drawing(1);
    if (isIdentification(info[2])) {
        plan.positions[2] = diagramOf(record.Code1, 3);
        // The single strokes end in two identification letters.
        if (isIdentification(info[3]))
            plan.positions[3] = diagramOf(record.Code1, 4);
        return plan;
    }
    if (showsComponent(info[2]))
        plan.positions[2] = drawing(2);
    if (isIdentification(info[3]))
        plan.positions[3] = diagramOf(record.Code1, 4);
    else if (showsComponent(info[3]))
        plan.positions[3] = drawing(3);
    return plan;
}

} // namespace lumbrell
