#pragma once
#include "tools/sources/source_set.h"
#include "tools/pictures/decomposer.h"
#include "tools/pictures/font_glyphs.h"
#include "tools/pictures/stroke_matching.h"
#include "tools/pictures/stroke_outlines.h"

#include <QString>

namespace lumbrell::data {

// Why a character the outline package lacks gets no drawing, as the report counts them.
namespace FontDrawingFailure {
inline constexpr const char* NoGlyph = "no font has the character";
inline constexpr const char* CountDiffers = "the strokes cut differ in number from the stroke order";
inline constexpr const char* NotDecomposed = "the decomposition does not split the drawing";
inline constexpr const char* RootsUnlike = "the split's roots do not look like their own drawings";
inline constexpr const char* InkOutsideGlyph = "the strokes cut cover more than the glyph (a counter filled)";
inline constexpr const char* FragmentOfRoot = "a stroke is marked alone where a larger root fits, cut unlike that root";
inline constexpr const char* NotKeyName = "the split takes the whole character for a key name it is not";
inline constexpr const char* MarksShort = "a marked position blackens less than 97% of its component";
inline constexpr const char* StrokeOfAnotherPart
    = "a root looks more like its own drawing with a stroke of another part in it";
inline constexpr const char* BlackOutside = "a marked position blackens pixels outside its component";
// Measured where the outline package has the character, a drawing whose split
// held only after a repair step marks otherwise than the package's one time in
// four (the reorder step) or three (the exchange step), against one in twelve
// for the others: it does not ship.
inline constexpr const char* Reordered
    = "the roots look like themselves only once a root's strokes of one class are put in another order";
inline constexpr const char* Exchanged
    = "the roots look like themselves only once two strokes of one class are exchanged between roots";
}

// The step that put a font drawing's strokes right before its split.
enum class FontRepair {
    None,
    Reordered, // a root's strokes of one class put in the order it is drawn in
    Exchanged, // two strokes of one class exchanged between roots
};

// Strokes cut out of the first font that has the character and cuts into as
// many strokes as the stroke-order source gives (its other order's count
// serves too), ordered and turned as that source writes them: the drawing of a
// character the outline package lacks. Known drawings (may be null) guide the
// order. Fonts before firstFont are passed over (a drawing cut from one that
// failed the shipping checks is cut again from the next). Sets *font to the
// font's name; false with *why when no font gives such strokes.
bool strokesFromFonts(const FontGlyphs& fonts, const CharEntry& entry, const StrokeTemplates* templates,
                      StrokeOutlines& strokes, QString* font, QString* why, size_t firstFont = 0);

// Whether a split on stroke classes alone marks sets of strokes that are
// its roots, put in the wrong order among themselves: every coded root that
// does not look like its own drawing would, with its strokes (of any
// classes, each turned as the class of its new place) in another order, and
// at least one such root is there: each position marks the right strokes.
// The Kai 宀 and 冖 are cut with the centre line of their 乛 running out
// along the shoulder instead of down the hook (it reads as a 横) and their
// left dot reading as a 撇, so the 乛 takes the dot's place; 安 still marks
// 宀's three strokes; 勹 已 疒 弓 龰 are found so too.
bool rootsLikeThemselvesInAnotherOrder(const RootTable& roots, const CharEntry& entry, const QString& classes,
                                       const Decomposition& split, const StrokeOutlines& strokes);

// Whether a drawing's split marks a single stroke at a position where the
// stroke classes alone (either order) place a larger root of that key starting
// with that stroke: the larger root was passed over because the strokes cut
// for it do not look like it, and the single stroke is a fragment of it (傃's
// 幺 taken as its 乚, the other two strokes left to an uncoded 厶). Such a
// drawing does not ship. A single stroke that is a piece of an outlined
// character the drawing ends or begins in (knownPieces, as that character's
// own drawing splits) is no fragment: 悲 takes 非's second 丨 alone, as 非
// does, though 上's classes fit there.
bool fragmentOfLargerRoot(const RootTable& roots, const CharEntry& entry, const Decomposition& drawn,
                          const std::vector<std::vector<int>>& knownPieces = {});

// How much nearer its own drawing (shape distance) a root must come with one
// of its strokes exchanged for a stroke of another part for the order the
// strokes were cut in to be doubted.
constexpr double ExchangedStrokeGain = 0.05;

// Whether a root of a drawing's split would look more like its own drawing
// with one of its strokes taken from elsewhere in the character: the strokes
// were ordered into the wrong parts (疲's 疒 taking the first stroke of 皮
// for its 提, the 提 written as 皮's 丿), and the marking cannot be trusted.
// Such a drawing does not ship. classes are the split's.
bool rootNearerWithAnotherStroke(const RootTable& roots, const CharEntry& entry, const QString& classes,
                                 const Decomposition& drawn, const StrokeOutlines& strokes);

// Strokes cut from a font are ordered by how they read and where they start,
// which may take two strokes of one class of a root in the wrong order (火's
// long 丿 before its short one, the long one starting higher). Where a split
// on the classes alone places strokes as a root they do not look like, but
// would look like with its strokes of one class in another order among
// themselves, those strokes are put in that order: each position keeps its
// strokes, so the marking is unchanged, and the drawing can be split again on
// roots that look like themselves. classes are the split's; false where no
// position changed.
bool reorderedAsRoots(const RootTable& roots, const QString& fullCode, const QString& classes,
                      const Decomposition& split, StrokeOutlines& strokes);

// The same where two strokes of one class were cut into each other's places in
// two roots (or a root and the strokes its code leaves out): where exactly
// one exchange of two strokes, one of them in a root the strokes do not look
// like, lets the drawing split on roots that all look like themselves, and
// the two are of one class, they are exchanged. Where several exchanges would
// (of any classes), none is made: the drawings cannot tell which is right.
// False where nothing changed.
bool exchangedAcrossRoots(const RootTable& roots, const CharEntry& entry, const QString& classes,
                          const Decomposition& split, StrokeOutlines& strokes);

}
