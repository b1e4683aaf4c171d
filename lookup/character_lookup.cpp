#include "lookup/character_lookup.h"

#include "lookup/dictionary.h"
#include "lookup/drawing_store.h"
#include "lookup/identification.h"
#include "store/gbk.h"
#include "store/position_roots.h"
#include "tables/characters.h"

namespace lumbrell {
namespace {

std::array<QString, 4> wordsOf(const CharacterRoots& roots)
{
    std::array<QString, 4> words;
    for (qsizetype i = 0; i < qsizetype(words.size()) && i < roots.positions.size() && i < roots.fullCode.size(); ++i)
        words[size_t(i)] = positionWords(roots.positions[i], roots.fullCode[i]);
    return words;
}

} // namespace

CharacterLookup lookUpCharacter(const Dictionary& dictionary, const DrawingStore& drawings,
                                const PositionRoots& roots, QStringView text, qreal devicePixelRatio)
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
    lookup.positionWords = wordsOf(roots.of(lookup.plan.character));
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
