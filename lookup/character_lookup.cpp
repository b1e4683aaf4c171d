#include "lookup/character_lookup.h"

#include "lookup/dictionary.h"
#include "lookup/drawing_store.h"
#include "store/gbk.h"
#include "tables/characters.h"

namespace lumbrell {

CharacterLookup lookUpCharacter(const Dictionary& dictionary, const DrawingStore& drawings, QStringView text,
                                qreal devicePixelRatio)
{
    CharacterLookup lookup;
    lookup.character = firstCharacter(text).toString();
    const std::optional<CharRecord> record = dictionary.record(text);
    if (!record) {
        lookup.outcome = isChineseCharacter(lookup.character) ? CharacterLookup::Outcome::NotFound
                                                              : CharacterLookup::Outcome::NotChinese;
        return lookup;
    }
    lookup.outcome = CharacterLookup::Outcome::Found;
    lookup.plan = planLookup(*record);
    if (!lookup.plan.needsDrawing())
        return lookup;

    CharacterDrawing drawing = drawings.drawingOf(lookup.plan.character, devicePixelRatio);
    const bool drawingRead = !drawing.image.isNull();
    if (!drawingRead && !lookup.plan.drawingExpected) {
        // Without fill points the character may simply have no drawing.
        lookup.plan = lookup.plan.withoutDrawing();
        return lookup;
    }
    lookup.drawing = drawing.image;
    lookup.unusableDrawings = drawing.unusable;
    lookup.unsplit = drawingRead && !lookup.plan.drawingExpected;
    return lookup;
}

} // namespace lumbrell
