#include "tools/pictures/picture_stage.h"

#include "tools/pictures/parallel.h"

#include "formats/data_files.h"
#include "formats/fill_point_format.h"
#include "formats/position_roots_format.h"

#include "formats/drawing_scale.h"
#include "tools/pictures/decomposer.h"
#include "tools/pictures/exception_table.h"
#include "tools/pictures/fill_point_writer.h"
#include "tools/pictures/font_drawing.h"
#include "tools/pictures/glyph_renderer.h"
#include "tools/pictures/known_parts.h"
#include "tools/pictures/marking_fidelity.h"
#include "tools/pictures/parallel.h"
#include "tools/pictures/position_roots_writer.h"
#include "tools/pictures/rle8_bmp.h"
#include "tools/pictures/root_codes.h"
#include "tools/pictures/stroke_order.h"
#include "tools/pictures/stroke_outlines.h"

#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <map>
#include <mutex>
#include <numeric>

namespace lumbrell::data {
namespace {

// How the stroke-order source's strokes were read to split a character, in
// the order the readings are tried; a character's outcome is the last
// reading its split needed.
enum class StrokeReading {
    Exception,     // none: the reviewed exception table gives the split
    AsGiven,       // the source's classes and order as they are
    FollowsPart,   // as given, its first or last strokes split as the character they write splits itself
    DrawingOrder,  // some strokes in the drawing's order
    Reclassified,  // one stroke in the class its drawing reads as
    Completed,     // one stroke more or fewer, on the likeliest completion
    OtherOrder,    // the source's other order (rime's other line), which the drawing follows
};

struct ReadingInfo {
    StrokeReading id;
    const char* report; // the report's line of the characters split so, "%1" their count, "%2" the characters
};

const ReadingInfo Readings[] = {
    {StrokeReading::Exception, nullptr}, // reported with the exception table
    {StrokeReading::AsGiven, nullptr},
    {StrokeReading::FollowsPart,
     "%1 characters split the other character their first or last strokes write as that one splits itself: %2"},
    {StrokeReading::DrawingOrder,
     "%1 characters whose drawing writes some strokes in another order than the stroke-order source, split in "
     "the drawing's order: %2"},
    {StrokeReading::Reclassified, "%1 characters split only once one stroke took the class its drawing reads as: %2"},
    {StrokeReading::Completed,
     "%1 characters whose drawing has one stroke more or fewer than the stroke-order source, split on the "
     "likeliest completion that fits: %2"},
    {StrokeReading::OtherOrder,
     "%1 characters split on the stroke-order source's other order, which their drawing follows: %2"},
};

// How well a split answers, worst first.
enum class SplitQuality {
    None,           // no split
    WholeCharacter, // a kind that takes the whole character (键名字, 成字字根, 单笔画)
    ClassesOnly,    // roots by their classes alone
    DrawnRoots,     // roots that look like themselves
};

// Everything the stage learns about one character.
struct CharacterResult {
    Decomposition decomposition;
    std::array<QByteArray, 4> info;
    std::array<MarkingScore, 4> scores;
    QString tsvLine;
    StrokeReading reading = StrokeReading::AsGiven;
    QString error; // a source that could not be read, or a drawing that could not be written
    StrokeOutlines outlines; // kept from the split to the drawing
    bool outlined = false; // hanzi-writer-data has the character: it gets a drawing
    std::array<MarkingScore, 4> twinScores; // the @2x twin filled at the scaled seeds
    bool twinWritten = false;
    qint64 bmpBytes = 0;  // the drawing's file
    qint64 twinBytes = 0; // the twin's file
    QString font;     // the font the strokes were cut from, for a character the outline package lacks
    QString withheld; // why such a drawing does not ship
    FontRepair repair = FontRepair::None; // the step that put the font's strokes right, if any
    // The pieces the outlined characters it ends or begins in (drawn alike)
    // split into, in its own numbering, as the last followParts found them.
    std::vector<std::vector<int>> knownPieces;
};

QString strokeList(const std::vector<int>& strokes)
{
    QStringList numbers;
    for (int s : strokes)
        numbers << QString::number(s + 1);
    return numbers.join(u',');
}

QString tsvLine(const CharEntry& entry, const Decomposition& d)
{
    QString line = entry.ch + u'\t' + entry.fullCode;
    for (qsizetype k = 0; k < entry.fullCode.size() && k < 4; ++k) {
        const CodePosition& p = d.positions[size_t(k)];
        line += u'\t';
        if (p.kind == PositionKind::Identification)
            line += QStringLiteral("id");
        else if (p.kind == PositionKind::Component)
            line += strokeList(p.strokes);
    }
    return line;
}

void renumber(Decomposition& d, const std::vector<int>& inDrawing)
{
    for (CodePosition& p : d.positions) {
        for (int& s : p.strokes)
            s = inDrawing[size_t(s)];
        std::sort(p.strokes.begin(), p.strokes.end());
    }
}

SplitQuality quality(const Decomposition& d)
{
    if (d.kind == DecompositionKind::Roots)
        return d.classesOnly ? SplitQuality::ClassesOnly : SplitQuality::DrawnRoots;
    return d.ok() ? SplitQuality::WholeCharacter : SplitQuality::None;
}

// Split on the source's classes and order as they are (its last strokes
// perhaps following the character they write): such a split may guide others.
bool readAsGiven(const CharacterResult& r)
{
    return r.reading == StrokeReading::AsGiven || r.reading == StrokeReading::FollowsPart;
}

// Whether the split makes a character a component character only because
// its code spells its first strokes, with no root of that name.
bool spelledOnly(const RootTable& roots, const CharEntry& entry, const Decomposition& d)
{
    return d.kind == DecompositionKind::ComponentCharacter
        && !roots.hasGlyph(entry.ch, char(entry.fullCode.at(0).unicode()));
}

// How many of the likeliest completions of the source's classes to the
// drawing's stroke count are tried.
constexpr int Completions = 10;

// The likeliest completion that splits into roots that look like
// themselves; else into roots by their classes alone; else any split (a
// completion whose letters merely spell its first strokes does not make 鬧
// a component character where another splits into roots).
Decomposition splitLikeliestCompletion(const RootTable& roots, const CharEntry& entry, const QString& classes,
                                       const std::vector<QString>& completions, const std::vector<QPolygonF>& medians)
{
    Decomposition best;
    for (const QString& completed : completions) {
        Decomposition d = decompose(roots, entry.ch, entry.fullCode, completed, &medians);
        if (quality(d) > quality(best))
            best = std::move(d);
        if (quality(best) == SplitQuality::DrawnRoots)
            break;
    }
    if (!best.ok())
        best.reason = QStringLiteral("no split of strokes %1 completed to the drawing's %2 strokes fits %3")
                          .arg(classes)
                          .arg(medians.size())
                          .arg(entry.fullCode);
    return best;
}

// The split of a drawing on one stroke order of its character, and how the
// order had to be read to give it.
struct StrokeSplit {
    Decomposition decomposition;
    StrokeReading reading = StrokeReading::AsGiven;
};

StrokeSplit splitStrokes(const RootTable& roots, const CharEntry& entry, const QString& classes,
                         const StrokeOutlines& outlines)
{
    StrokeSplit r;
    std::vector<QString> completions = classesWithMissingStroke(classes, outlines.medians, Completions);
    if (completions.empty())
        completions = classesWithoutExtraStroke(classes, outlines.medians, Completions);
    if (!completions.empty()) {
        r.reading = StrokeReading::Completed;
        r.decomposition = splitLikeliestCompletion(roots, entry, classes, completions, outlines.medians);
        return r;
    }
    if (int(outlines.outlines.size()) != classes.size()) {
        r.decomposition.reason = QStringLiteral("stroke counts differ: %1 in the stroke order, %2 in the outlines")
                                     .arg(classes.size())
                                     .arg(outlines.outlines.size());
        return r;
    }
    // The split follows the stroke order, as the code does; its stroke
    // numbers then count in the drawing's order. A move of strokes read off
    // the drawing stands only where it lets the roots look like themselves
    // and the drawing's own order does not.
    std::vector<int> inDrawing = strokesInDrawing(classes, outlines.medians);
    std::vector<QPolygonF> lines = outlines.medians;
    bool drawingOrder = false; // split on the classes in the drawing's order
    r.decomposition = decompose(roots, entry.ch, entry.fullCode, classes, &lines);
    if (!std::is_sorted(inDrawing.begin(), inDrawing.end())) {
        std::vector<QPolygonF> moved;
        for (int s : inDrawing)
            moved.push_back(outlines.medians[size_t(s)]);
        const Decomposition d = decompose(roots, entry.ch, entry.fullCode, classes, &moved);
        if (d.ok() && !d.classesOnly && (!r.decomposition.ok() || r.decomposition.classesOnly)) {
            r.decomposition = d;
            lines = std::move(moved);
        } else if (!r.decomposition.ok()) {
            // The code may name the strokes in the drawing's order where
            // no split of the source's fits it (冊 mak: 一 before its two 丨).
            QString drawn = classes;
            for (size_t k = 0; k < inDrawing.size(); ++k)
                drawn[inDrawing[k]] = classes[qsizetype(k)];
            r.decomposition = decompose(roots, entry.ch, entry.fullCode, drawn, &outlines.medians);
            drawingOrder = r.decomposition.ok();
            std::iota(inDrawing.begin(), inDrawing.end(), 0);
        } else {
            std::iota(inDrawing.begin(), inDrawing.end(), 0);
        }
    }
    // Classes no split explains may hold a stroke the source classes
    // wrongly; so may classes whose code merely spells their first
    // strokes, where no root of that name makes the character a
    // component character (鬧 hggh splits into roots once read right).
    const bool spelled = spelledOnly(roots, entry, r.decomposition);
    bool reclassified = false;
    for (const QString& variant : classesReadOtherwise(classes, lines)) {
        if (r.decomposition.ok() && !spelled)
            break;
        const Decomposition d = decompose(roots, entry.ch, entry.fullCode, variant, &lines);
        if (d.kind == DecompositionKind::Roots || (d.ok() && !r.decomposition.ok())) {
            r.decomposition = d;
            reclassified = true;
        }
        if (d.kind == DecompositionKind::Roots)
            break;
    }
    const bool moved = !std::is_sorted(inDrawing.begin(), inDrawing.end());
    if (moved)
        renumber(r.decomposition, inDrawing);
    if (reclassified)
        r.reading = StrokeReading::Reclassified;
    else if (moved || drawingOrder)
        r.reading = StrokeReading::DrawingOrder;
    return r;
}

// The stroke classes a split was made on: the other order's where it read that one.
const QString& classesRead(const CharEntry& entry, StrokeReading reading)
{
    return reading == StrokeReading::OtherOrder ? entry.otherStrokeClasses : entry.strokeClasses;
}

// Strokes cut from a font whose split rests on classes alone, because a
// root's strokes of one class were cut in another order, are put in the order
// that root is drawn in, or two strokes of one class cut into each other's
// roots are exchanged, where that lets every root look like itself.
FontRepair reorderAsRoots(const RootTable& roots, const CharEntry& entry, StrokeOutlines& outlines, StrokeSplit& split)
{
    if (split.reading != StrokeReading::AsGiven && split.reading != StrokeReading::OtherOrder)
        return FontRepair::None;
    const QString& classes = classesRead(entry, split.reading);
    auto adopt = [&](StrokeOutlines& reordered) {
        StrokeSplit again = splitStrokes(roots, entry, classes, reordered);
        if (again.reading != StrokeReading::AsGiven || quality(again.decomposition) != SplitQuality::DrawnRoots)
            return false;
        again.reading = split.reading;
        split = std::move(again);
        outlines = std::move(reordered);
        return true;
    };
    StrokeOutlines reordered = outlines;
    if (reorderedAsRoots(roots, entry.fullCode, classes, split.decomposition, reordered) && adopt(reordered))
        return FontRepair::Reordered;
    StrokeOutlines exchanged = outlines;
    if (exchangedAcrossRoots(roots, entry, classes, split.decomposition, exchanged) && adopt(exchanged))
        return FontRepair::Exchanged;
    return FontRepair::None;
}

// Splits r.outlines on the source's stroke order; where it gives two (rime's
// two lines) and the first answers badly, on the other where that answers better.
void splitOutlines(const RootTable& roots, const ExceptionTable& exceptions, const CharEntry& entry, CharacterResult& r)
{
    StrokeOutlines& outlines = r.outlines;
    if (const Exception* e = exceptions.find(entry.ch)) {
        r.reading = StrokeReading::Exception;
        if (int(outlines.outlines.size()) == e->classes.size())
            r.decomposition = fromException(*e);
        else
            r.decomposition.reason = QStringLiteral("the exception table gives %1 strokes, the drawing has %2")
                                         .arg(e->classes.size())
                                         .arg(outlines.outlines.size());
        return;
    }
    StrokeSplit split = splitStrokes(roots, entry, entry.strokeClasses, outlines);
    const bool answersWell = quality(split.decomposition) == SplitQuality::DrawnRoots
        && !spelledOnly(roots, entry, split.decomposition);
    if (!entry.otherStrokeClasses.isEmpty() && !answersWell) {
        StrokeSplit other = splitStrokes(roots, entry, entry.otherStrokeClasses, outlines);
        const bool otherBetter = quality(other.decomposition) > quality(split.decomposition)
            || (other.decomposition.kind == DecompositionKind::Roots
                && spelledOnly(roots, entry, split.decomposition));
        // A completion on the other order stays a completion: its stroke
        // count still differs from the drawing's.
        if (otherBetter) {
            split = std::move(other);
            if (split.reading != StrokeReading::Completed)
                split.reading = StrokeReading::OtherOrder;
        }
    }
    if (!r.font.isEmpty())
        r.repair = reorderAsRoots(roots, entry, outlines, split);
    r.decomposition = std::move(split.decomposition);
    r.reading = split.reading;
}

// The character's drawing (the outline package's, else cut from a font) and its split.
CharacterResult splitCharacter(const RootTable& roots, const ExceptionTable& exceptions, const CharEntry& entry,
                               const QString& hanziWriterDir, const FontGlyphs* fonts = nullptr,
                               const StrokeTemplates* templates = nullptr, size_t firstFont = 0)
{
    CharacterResult r;
    StrokeOutlines& outlines = r.outlines;
    // Most of GBK's additions have no outline: found and coded, but not drawn.
    r.outlined = entry.set != CharSet::Addition || QFileInfo::exists(hanziWriterDir + u'/' + entry.ch + QStringLiteral(".json"));
    // The others are cut out of a font where its strokes agree with the stroke order.
    if (!r.outlined) {
        if (fonts)
            r.outlined = strokesFromFonts(*fonts, entry, templates, outlines, &r.font, &r.withheld, firstFont);
    } else if (!loadStrokeOutlines(hanziWriterDir, entry.ch, outlines, &r.error))
        return r;
    if (r.outlined)
        splitOutlines(roots, exceptions, entry, r);
    return r;
}

// A character that ends or begins in another one drawn alike splits that
// part as the other one does, where its code allows (拌 takes 半 as 丷 干, as
// 半 does; 袋 takes 衣's 𧘇 whole; 悲 takes 非 as 丨 三 丨 before its 心). Both
// parts where they stand apart and the code allows both, else the ending,
// else the beginning.
void followParts(const RootTable& roots, const CharEntry& entry, const KnownParts& known, CharacterResult& r)
{
    r.knownPieces.clear();
    if (!readAsGiven(r) || !r.decomposition.ok())
        return;
    const std::vector<KnownPart> ending = known.endingOf(entry.strokeClasses, r.outlines.medians);
    const std::vector<KnownPart> beginning = known.beginningOf(entry.strokeClasses, r.outlines.medians,
                                                         entry.fullCode[0].toLatin1());
    for (const std::vector<KnownPart>& parts : {ending, beginning})
        for (const KnownPart& part : parts)
            r.knownPieces.insert(r.knownPieces.end(), part.pieces.begin(), part.pieces.end());
    const bool apart = !ending.empty() && !beginning.empty() && beginning.front().to <= ending.front().from;
    std::vector<std::vector<KnownPart>> tries;
    if (apart)
        tries.push_back({ending.front(), beginning.front()});
    for (const std::vector<KnownPart>& one : {ending, beginning})
        if (!one.empty())
            tries.push_back(one);
    for (const std::vector<KnownPart>& parts : tries) {
        const Decomposition d = decompose(roots, entry.ch, entry.fullCode, entry.strokeClasses, &r.outlines.medians, &parts);
        if (!d.ok() || d.classesOnly != r.decomposition.classesOnly
            || !std::all_of(parts.begin(), parts.end(),
                            [&](const KnownPart& part) { return keysAgree(part, d, entry.fullCode); }))
            continue;
        if (tsvLine(entry, d) != tsvLine(entry, r.decomposition))
            r.reading = StrokeReading::FollowsPart;
        r.decomposition = d;
        return;
    }
}

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    *error = QStringLiteral("%1: cannot be written").arg(path);
    return false;
}

// The twin, filled at the 1x seeds scaled as the program scales them; written
// only where each marked position marks as it should.
void writeTwin(const CharEntry& entry, const CharacterDrawing& drawing, const CharacterDrawing& twin,
               const QString& bmpDir, CharacterResult& r)
{
    bool marksWell = true;
    for (size_t k = 0; k < 4; ++k) {
        if (drawing.seeds[k].empty())
            continue;
        std::vector<QPoint> seeds;
        for (const QPoint& p : drawing.seeds[k])
            seeds.push_back(drawingPixel(p.x() * TwipsPerPixel, p.y() * TwipsPerPixel, DoubleDrawingScale));
        r.twinScores[k] = measureMarking(twin.image, seeds, twin.componentPixels[k]);
        marksWell = marksWell && r.twinScores[k].good();
    }
    if (!marksWell)
        return;
    const QByteArray bytes = encodeRle8Bmp(twin.image);
    r.twinWritten = writeBytes(bmpDir + u'/' + doubleDrawingFileName(entry.ch), bytes, &r.error);
    r.twinBytes = bytes.size();
}

// The drawing and its @2x twin, the 1x seeds chosen to fall in the same cover in the twin.
struct MarkedDrawings {
    CharacterDrawing drawing;
    CharacterDrawing twin;
};

// Draws the character with its split marked and measures the marking.
MarkedDrawings drawMarked(const CharEntry& entry, CharacterResult& r)
{
    PositionStrokes marked;
    for (size_t k = 0; k < 4; ++k)
        if (r.decomposition.positions[k].kind == PositionKind::Component && int(k) < entry.fullCode.size())
            marked[k] = r.decomposition.positions[k].strokes;
    MarkedDrawings d;
    d.twin = drawCharacter(r.outlines, marked, DoubleDrawingScale);
    d.drawing = drawCharacter(r.outlines, marked, 1, &d.twin);
    for (size_t k = 0; k < 4; ++k) {
        if (r.decomposition.positions[k].kind == PositionKind::Identification && int(k) < entry.fullCode.size())
            r.info[k] = fillpoints::IdentificationMarker;
        else if (!marked[k].empty()) {
            r.info[k] = formatFillPoints(d.drawing.seeds[k]);
            r.scores[k] = measureMarking(d.drawing.image, d.drawing.seeds[k], d.drawing.componentPixels[k]);
        }
    }
    return d;
}

// Draws and measures the character, and writes its drawing and twin.
void drawAndMeasure(const CharEntry& entry, const QString& bmpDir, CharacterResult& r)
{
    const MarkedDrawings d = drawMarked(entry, r);
    const QByteArray bytes = encodeRle8Bmp(d.drawing.image);
    if (!writeBytes(bmpDir + u'/' + drawingFileName(entry.ch), bytes, &r.error))
        return;
    r.bmpBytes += bytes.size();
    writeTwin(entry, d.drawing, d.twin, bmpDir, r);
    r.tsvLine = tsvLine(entry, r.decomposition);
}

// Why a drawing cut from a font must not ship, or empty: it must split as
// the code says into roots that look like themselves, and mark each position
// whole, with nothing black outside.
QString unsoundness(const RootTable& roots, const CharEntry& entry, const CharacterResult& r)
{
    if (r.reading == StrokeReading::Completed)
        return QString::fromUtf8(FontDrawingFailure::CountDiffers);
    if (!r.decomposition.ok())
        return QString::fromUtf8(FontDrawingFailure::NotDecomposed);
    // Strokes cut in a wrong order still split by their classes; where the
    // roots do not look like themselves, the marking cannot be trusted,
    // unless each such root holds its own strokes, merely in another order.
    if (r.decomposition.classesOnly
        && !rootsLikeThemselvesInAnotherOrder(roots, entry, classesRead(entry, r.reading), r.decomposition, r.outlines))
        return QString::fromUtf8(FontDrawingFailure::RootsUnlike);
    if (r.repair == FontRepair::Reordered)
        return QString::fromUtf8(FontDrawingFailure::Reordered);
    if (r.repair == FontRepair::Exchanged)
        return QString::fromUtf8(FontDrawingFailure::Exchanged);
    if (fragmentOfLargerRoot(roots, entry, r.decomposition, r.knownPieces))
        return QString::fromUtf8(FontDrawingFailure::FragmentOfRoot);
    if (rootNearerWithAnotherStroke(roots, entry, classesRead(entry, r.reading), r.decomposition, r.outlines))
        return QString::fromUtf8(FontDrawingFailure::StrokeOfAnotherPart);
    // A code that repeats one key (燚 oooo, four 火) is no key name: marking
    // the whole character in every box would be wrong.
    if (r.decomposition.kind == DecompositionKind::KeyName && !roots.hasGlyph(entry.ch, char(entry.fullCode.at(0).unicode())))
        return QString::fromUtf8(FontDrawingFailure::NotKeyName);
    for (const MarkingScore& score : r.scores) {
        if (score.componentPixels > 0 && score.coverage() < 0.97)
            return QString::fromUtf8(FontDrawingFailure::MarksShort);
        if (score.blackened > score.blackenedInside)
            return QString::fromUtf8(FontDrawingFailure::BlackOutside);
    }
    return QString();
}

// A drawing cut from a font that fails a check is taken back: the character
// shows its glyph and empty boxes, as without a drawing.
void withholdUnsound(const RootTable& roots, const CharEntry& entry, const QString& bmpDir, CharacterResult& r)
{
    r.withheld = unsoundness(roots, entry, r);
    if (r.withheld.isEmpty() || !r.error.isEmpty())
        return;
    QFile::remove(bmpDir + u'/' + drawingFileName(entry.ch));
    QFile::remove(bmpDir + u'/' + doubleDrawingFileName(entry.ch));
    const QString withheld = r.withheld, font = r.font;
    r = CharacterResult();
    r.withheld = withheld;
    r.font = font;
}

// The position of the named font in the list; -1 (wrapping to the largest
// size_t) for none, so the next font after none is the first.
size_t fontIndex(const FontGlyphs& fonts, const QString& name)
{
    for (size_t f = 0; f < fonts.fonts().size(); ++f)
        if (fonts.fonts()[f].name == name)
            return f;
    return size_t(-1);
}

// GB2312's characters guide the splits of those ending or beginning in them. The
// additions, many of whose roots the table lacks yet, guide only where
// their code allows no other split, and only a split that types the
// part's coded pieces with the part's own keys (叚 nhfc guides 假 wnhc:
// 丨 alone, then 二; 昬 would pull 缗's 纟 apart, 畐 缗's too).
KnownParts knownPartsOf(const SourceSet& sources, const std::vector<CharacterResult>& results)
{
    KnownParts known;
    for (size_t i = 0; i < results.size(); ++i) {
        const CharEntry& entry = sources.chars[i];
        const Decomposition& d = results[i].decomposition;
        if (!readAsGiven(results[i]))
            continue;
        if (entry.set != CharSet::Addition)
            known.add(entry.strokeClasses, results[i].outlines.medians, d, entry.fullCode, PartKeys::First);
        else if (d.decidedBy == Criterion::OnlySplit)
            known.add(entry.strokeClasses, results[i].outlines.medians, d, entry.fullCode);
    }
    return known;
}

// Lets every split character follow the parts it ends or begins in, then
// gives back the parts as they split after that: twice, because a part may
// itself end in another (窿 ends in 隆, which ends in 生).
KnownParts partsFollowedTwice(const RootTable& roots, const SourceSet& sources, std::vector<CharacterResult>& results)
{
    const KnownParts firstKnown = knownPartsOf(sources, results);
    forEachInParallel(results.size(), [&](size_t i) {
        if (results[i].error.isEmpty() && results[i].outlined)
            followParts(roots, sources.chars[i], firstKnown, results[i]);
    });
    return knownPartsOf(sources, results);
}

// Splits every character, lets the ones that end in another follow that
// one's split, then draws them; results keep the characters' order.
std::vector<CharacterResult> processAll(const RootTable& roots, const ExceptionTable& exceptions,
                                       const SourceSet& sources, const FontGlyphs& fonts, const QString& bmpDir)
{
    std::vector<CharacterResult> results(sources.chars.size());
    forEachInParallel(results.size(), [&](size_t i) {
        results[i] = splitCharacter(roots, exceptions, sources.chars[i], sources.hanziWriterDir);
    });
    // The outline package's drawings guide the order of the strokes cut from fonts.
    StrokeTemplates templates;
    for (size_t i = 0; i < results.size(); ++i)
        if (readAsGiven(results[i]))
            templates.add(sources.chars[i].ch, sources.chars[i].strokeClasses, results[i].outlines.medians);
    forEachInParallel(results.size(), [&](size_t i) {
        if (!results[i].outlined && results[i].error.isEmpty())
            results[i] = splitCharacter(roots, exceptions, sources.chars[i], sources.hanziWriterDir, &fonts, &templates);
    });
    const KnownParts known = partsFollowedTwice(roots, sources, results);
    forEachInParallel(results.size(), [&](size_t i) {
        if (!results[i].error.isEmpty() || !results[i].outlined)
            return;
        followParts(roots, sources.chars[i], known, results[i]);
        drawAndMeasure(sources.chars[i], bmpDir, results[i]);
        if (!results[i].font.isEmpty())
            withholdUnsound(roots, sources.chars[i], bmpDir, results[i]);
        // A drawing the checks take back may be cut soundly from a later font;
        // the report keeps the reason the first font's drawing failed.
        for (size_t next = fontIndex(fonts, results[i].font) + 1; !results[i].withheld.isEmpty() && next > 0
             && next < fonts.fonts().size();) {
            CharacterResult again = splitCharacter(roots, exceptions, sources.chars[i], sources.hanziWriterDir, &fonts,
                                                   &templates, next);
            if (!again.outlined || !again.error.isEmpty())
                break;
            next = fontIndex(fonts, again.font) + 1;
            followParts(roots, sources.chars[i], known, again);
            drawAndMeasure(sources.chars[i], bmpDir, again);
            withholdUnsound(roots, sources.chars[i], bmpDir, again);
            if (again.withheld.isEmpty())
                results[i] = std::move(again);
        }
        results[i].outlines = {}; // drawn and judged: not kept for the report
        results[i].knownPieces = {};
    });
    return results;
}

QString percent(double part, double whole)
{
    return QString::number(whole ? 100.0 * part / whole : 0.0, 'f', 2) + u'%';
}

// The characters one report line speaks of: GB2312, the GBK additions that
// have an outline, or those drawn from a font.
struct Group {
    QString name;
    bool additions;
    bool fromFonts = false;
    bool holds(const CharEntry& entry, const CharacterResult& r) const
    {
        return r.outlined && (entry.set == CharSet::Addition) == additions && r.font.isEmpty() != fromFonts;
    }
};

void reportCoverage(const SourceSet& sources, const std::vector<CharacterResult>& results, const Group& group,
                    QStringList& report)
{
    int counts[5] = {};
    int total = 0;
    QString classesOnly; // the characters split on stroke classes alone
    QStringList failures;
    for (size_t i = 0; i < results.size(); ++i) {
        if (!group.holds(sources.chars[i], results[i]))
            continue;
        ++total;
        const Decomposition& d = results[i].decomposition;
        ++counts[int(d.kind)];
        if (d.classesOnly)
            classesOnly += sources.chars[i].ch;
        if (!d.ok())
            failures << QStringLiteral("  %1 %2 %3: %4")
                            .arg(sources.chars[i].ch, sources.chars[i].fullCode, sources.chars[i].strokeClasses, d.reason);
    }
    const int decomposed = total - counts[int(DecompositionKind::Failed)];
    report << QStringLiteral("pictures: %1: decomposition coverage %2 of %3 characters (%4): %5 from roots, "
                             "%6 key names, %7 component characters, %8 single strokes")
                  .arg(group.name)
                  .arg(decomposed)
                  .arg(total)
                  .arg(percent(decomposed, double(total)))
                  .arg(counts[int(DecompositionKind::Roots)])
                  .arg(counts[int(DecompositionKind::KeyName)])
                  .arg(counts[int(DecompositionKind::ComponentCharacter)])
                  .arg(counts[int(DecompositionKind::SingleStroke)]);
    report << QStringLiteral("pictures: %1: %2 of the splits rest on stroke classes alone (no split whose roots look "
                             "like the roots' own drawings): %3")
                  .arg(group.name)
                  .arg(classesOnly.toUcs4().size())
                  .arg(classesOnly);
    // The characters of each reading but the plain one, in the readings' order.
    for (const ReadingInfo& reading : Readings) {
        if (!reading.report)
            continue;
        QString characters;
        for (size_t i = 0; i < results.size(); ++i)
            if (results[i].reading == reading.id && group.holds(sources.chars[i], results[i]))
                characters += sources.chars[i].ch;
        report << QStringLiteral("pictures: ") + QString::fromUtf8(reading.report)
                                                     .arg(characters.size())
                                                     .arg(characters);
    }
    report << QStringLiteral("pictures: %1: %2 characters not decomposed (drawn without marking):")
                  .arg(group.name).arg(failures.size());
    report << failures;
}

void reportFidelity(const SourceSet& sources, const std::vector<CharacterResult>& results, const Group& group,
                    QStringList& report)
{
    struct Marked {
        size_t index;
        int position;
        MarkingScore score;
    };
    std::vector<Marked> marked;
    for (size_t i = 0; i < results.size(); ++i)
        for (int k = 0; k < 4; ++k)
            if (results[i].scores[size_t(k)].componentPixels > 0 && group.holds(sources.chars[i], results[i]))
                marked.push_back({i, k + 1, results[i].scores[size_t(k)]});
    const auto good = std::count_if(marked.begin(), marked.end(), [](const Marked& m) { return m.score.good(); });
    report << QStringLiteral("pictures: %1: marking fidelity (flood fill at the fill points, >= 97% of the component "
                             "blackened and <= 1% of the black outside it): %2 of %3 marked positions (%4)")
                  .arg(group.name)
                  .arg(good)
                  .arg(marked.size())
                  .arg(percent(double(good), double(marked.size())));
    auto badness = [](const MarkingScore& s) { return std::max(1.0 - s.coverage(), s.outside()); };
    std::stable_sort(marked.begin(), marked.end(),
                     [&](const Marked& a, const Marked& b) { return badness(a.score) > badness(b.score); });
    const auto outside = std::count_if(marked.begin(), marked.end(),
                                       [](const Marked& m) { return m.score.blackened > m.score.blackenedInside; });
    report << QStringLiteral("pictures: %1: %2 marked positions with any black outside their component")
                  .arg(group.name)
                  .arg(outside);
    QStringList short_;
    for (const Marked& m : marked)
        if (!m.score.good())
            short_ << QStringLiteral("%1:%2 %3/%4")
                          .arg(sources.chars[m.index].ch)
                          .arg(m.position)
                          .arg(percent(m.score.blackenedInside, m.score.componentPixels))
                          .arg(percent(m.score.blackened - m.score.blackenedInside, m.score.blackened));
    report << QStringLiteral("pictures: %1: %2 positions short of the mark (character:position blackened/outside): %3")
                  .arg(group.name)
                  .arg(short_.size())
                  .arg(short_.join(u' '));
    report << QStringLiteral("pictures: %1: worst ten marked positions:").arg(group.name);
    for (size_t w = 0; w < marked.size() && w < 10; ++w)
        report << QStringLiteral("  %1 position %2: %3 of the component blackened, %4 of the black outside")
                      .arg(sources.chars[marked[w].index].ch)
                      .arg(marked[w].position)
                      .arg(percent(marked[w].score.blackenedInside, marked[w].score.componentPixels))
                      .arg(percent(marked[w].score.blackened - marked[w].score.blackenedInside,
                                   marked[w].score.blackened));
}

// How many characters each criterion decided.
void reportCriteria(const SourceSet& sources, const std::vector<CharacterResult>& results, const Group& group,
                    QStringList& report)
{
    std::map<Criterion, int> decided;
    std::map<Criterion, QString> firstDecided;
    for (size_t i = 0; i < results.size(); ++i) {
        const CharacterResult& r = results[i];
        if (!group.holds(sources.chars[i], r) || !r.decomposition.ok())
            continue;
        ++decided[r.decomposition.decidedBy];
        QString& first = firstDecided[r.decomposition.decidedBy];
        if (first.size() < 20)
            first += sources.chars[i].ch;
    }
    report << QStringLiteral("pictures: %1: characters each criterion decided (the kinds first, then the ranking in "
                             "order):")
                  .arg(group.name);
    for (const CriterionInfo& c : criteria())
        report << QStringLiteral("  %1 %2: %3 (%4; in the build: %5)")
                      .arg(QString::fromUtf8(c.wubiName))
                      .arg(decided[c.id], 5)
                      .arg(QString::fromUtf8(c.rule))
                      .arg(QString::fromUtf8(c.examples))
                      .arg(firstDecided[c.id]);
}

// Each exception of a character in the sources must add up and fit its code.
bool exceptionsHold(const ExceptionTable& exceptions, const RootTable& roots, const SourceSet& sources, QString* error)
{
    QHash<QString, QString> codes;
    for (const CharEntry& entry : sources.chars)
        codes.insert(entry.ch, entry.fullCode);
    QStringList problems;
    for (const Exception& e : exceptions.exceptions()) {
        const auto own = codes.constFind(e.ch);
        if (own == codes.constEnd())
            continue;
        for (const QString& problem : exceptionProblems(e, roots, *own))
            problems << e.ch + QStringLiteral(": ") + problem;
    }
    if (problems.isEmpty())
        return true;
    *error = QStringLiteral("exception table tools/pictures/exceptions.tsv: ") + problems.join(QStringLiteral("; "));
    return false;
}

void reportExceptions(const ExceptionTable& exceptions, const SourceSet& sources, QStringList& report)
{
    QHash<QString, bool> present;
    for (const CharEntry& entry : sources.chars)
        present.insert(entry.ch, true);
    QStringList used;
    for (const Exception& e : exceptions.exceptions())
        if (present.contains(e.ch))
            used << QStringLiteral("  %1 %2: %3").arg(e.ch, e.fullCode, e.reason);
    report << QStringLiteral("pictures: %1 characters split by the reviewed exception table:").arg(used.size());
    report << used;
}

void reportTwins(const std::vector<CharacterResult>& results, QStringList& report)
{
    int drawings = 0, twins = 0, positions = 0, good = 0;
    qint64 bytes = 0, twinBytes = 0;
    for (const CharacterResult& r : results) {
        if (!r.outlined)
            continue;
        ++drawings;
        twins += r.twinWritten;
        bytes += r.bmpBytes;
        twinBytes += r.twinBytes;
        for (const MarkingScore& score : r.twinScores) {
            positions += score.componentPixels > 0;
            good += score.componentPixels > 0 && score.good();
        }
    }
    report << QStringLiteral("pictures: %1 drawings (RLE8), %2 bytes").arg(drawings).arg(bytes)
           << QStringLiteral("pictures: @2x twins: %1 of %2 written (%3 bytes); marking fidelity at the 1x fill points "
                             "scaled: %4 of %5 marked positions (%6); the others show the 1x drawing")
                  .arg(twins).arg(drawings).arg(twinBytes).arg(good).arg(positions).arg(percent(good, positions));
}

// How many characters the outline package lacks got a drawing cut from each
// font, and why the others did not; font-drawings.tsv lists each character
// with its font, or with "-" and the reason.
bool reportFontDrawings(const SourceSet& sources, const std::vector<CharacterResult>& results, const FontGlyphs& fonts,
                        const QString& outDir, QStringList& report, QString* error)
{
    std::map<QString, int> byFont, byReason;
    QByteArray list;
    int lacking = 0;
    for (size_t i = 0; i < results.size(); ++i) {
        const CharacterResult& r = results[i];
        if (r.font.isEmpty() && r.withheld.isEmpty())
            continue;
        ++lacking;
        if (r.withheld.isEmpty())
            ++byFont[r.font];
        else
            ++byReason[r.withheld];
        list += (sources.chars[i].ch + u'\t' + (r.withheld.isEmpty() ? r.font : QStringLiteral("-\t") + r.withheld)
                 + u'\n').toUtf8();
    }
    QStringList drawn, reasons;
    int total = 0;
    for (const FontFile& font : fonts.fonts()) {
        drawn << QStringLiteral("%1 %2").arg(font.name).arg(byFont[font.name]);
        total += byFont[font.name];
    }
    for (const auto& [reason, count] : byReason)
        reasons << QStringLiteral("  %1: %2").arg(reason).arg(count);
    report << QStringLiteral("pictures: %1 of the %2 characters without stroke outlines drawn with strokes cut from a "
                             "font (%3); font-drawings.tsv names the font of each")
                  .arg(total)
                  .arg(lacking)
                  .arg(drawn.join(QStringLiteral(", ")));
    report << QStringLiteral("pictures: %1 characters without stroke outlines left undrawn (glyph and empty boxes), "
                             "by reason:")
                  .arg(lacking - total);
    report << reasons;
    return writeBytes(outDir + QStringLiteral("/font-drawings.tsv"), list, error);
}

// A root that is itself a character must be typed as that character is. The
// GB2312 characters hold the build to that; a root that is one of GBK's
// additions and typed otherwise (a component form such as 乚, typed nnll as a
// character) is listed in the report.
bool rootsAgreeWithCodes(const RootTable& roots, const SourceSet& sources, QStringList& report, QString* error)
{
    QHash<QString, OwnCode> gb2312, additions;
    for (const CharEntry& entry : sources.chars)
        (entry.set == CharSet::Addition ? additions : gb2312).insert(entry.ch, {entry.fullCode, entry.strokeClasses});
    const QStringList conflicts = rootsAgainstTheirCodes(roots, gb2312);
    if (!conflicts.isEmpty()) {
        *error = QStringLiteral("root table tools/pictures/roots.tsv: ") + conflicts.join(QStringLiteral("; "));
        return false;
    }
    const QStringList others = rootsAgainstTheirCodes(roots, additions);
    report << QStringLiteral("pictures: %1 roots that are GBK additions typed otherwise as characters%2%3")
                  .arg(others.size()).arg(others.isEmpty() ? QString() : QStringLiteral(": "), others.join(QStringLiteral("; ")));
    return true;
}

} // namespace

void attachDrawnShapes(RootTable& roots, const SourceSet& sources)
{
    roots.attachShapes([&sources](const QString& glyph) {
        StrokeOutlines drawn;
        QString missing; // a root without a drawing of its own is matched by its classes alone
        if (glyph.toUcs4().size() != 1 || !loadStrokeOutlines(sources.hanziWriterDir, glyph, drawn, &missing))
            return std::vector<QPolygonF>();
        return drawn.medians;
    });
}

KnownParts partsOfOutlinedCharacters(const RootTable& roots, const ExceptionTable& exceptions, const SourceSet& sources)
{
    std::vector<CharacterResult> results(sources.chars.size());
    forEachInParallel(results.size(), [&](size_t i) {
        results[i] = splitCharacter(roots, exceptions, sources.chars[i], sources.hanziWriterDir);
    });
    return partsFollowedTwice(roots, sources, results);
}

FontDrawingTrial tryFontDrawing(const RootTable& roots, const ExceptionTable& exceptions, const CharEntry& entry,
                                const StrokeOutlines& cut, const QString& font, const KnownParts* known)
{
    CharacterResult r;
    r.outlines = cut;
    r.outlined = true;
    r.font = font;
    splitOutlines(roots, exceptions, entry, r);
    if (known)
        followParts(roots, entry, *known, r);
    drawMarked(entry, r);
    FontDrawingTrial trial;
    trial.withheld = unsoundness(roots, entry, r);
    trial.repair = r.repair;
    trial.decomposition = std::move(r.decomposition);
    trial.strokes = std::move(r.outlines);
    return trial;
}

bool runPictureStage(const SourceSet& sources, const QString& outDir, std::vector<std::array<QByteArray, 4>>& info,
                     QStringList& report, QString* error)
{
    QElapsedTimer timer;
    timer.start();
    RootTable roots;
    ExceptionTable exceptions;
    if (!roots.loadBuiltIn(error) || !rootsAgreeWithCodes(roots, sources, report, error)
        || !exceptions.loadBuiltIn(error) || !exceptionsHold(exceptions, roots, sources, error))
        return false;
    attachDrawnShapes(roots, sources);
    const QString bmpDir = outDir + u'/' + QLatin1String(datafiles::DrawingFolder);
    if (!QDir().mkpath(bmpDir)) {
        *error = QStringLiteral("%1: cannot be created").arg(bmpDir);
        return false;
    }
    FontGlyphs fonts;
    if (!fonts.open(defaultDrawingFonts(), error)) {
        *error += QStringLiteral(" (install the Debian packages fonts-arphic-ukai, fonts-arphic-uming and fonts-noto-cjk)");
        return false;
    }
    const std::vector<CharacterResult> results = processAll(roots, exceptions, sources, fonts, bmpDir);
    for (const CharacterResult& r : results) {
        if (!r.error.isEmpty()) {
            *error = r.error + QStringLiteral(" (hanzi-writer-data outlines: run scripts/fetch-sources.sh)");
            return false;
        }
    }

    QFile tsv(outDir + QStringLiteral("/decomposition.tsv"));
    if (!tsv.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("%1: cannot be written").arg(tsv.fileName());
        return false;
    }
    QFile rootsFile(outDir + u'/' + QLatin1String(positionroots::FileName));
    if (!rootsFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("%1: cannot be written").arg(rootsFile.fileName());
        return false;
    }
    info.assign(results.size(), {});
    for (size_t i = 0; i < results.size(); ++i) {
        info[i] = results[i].info;
        if (!results[i].outlined)
            continue;
        tsv.write((results[i].tsvLine + u'\n').toUtf8());
        if (results[i].decomposition.ok())
            rootsFile.write(
                positionRootsLine(sources.chars[i].ch, sources.chars[i].fullCode, results[i].decomposition).toUtf8());
    }
    tsv.close();
    if (!rootsFile.flush()) {
        *error = QStringLiteral("%1: cannot be written").arg(rootsFile.fileName());
        return false;
    }

    report << QStringLiteral("pictures: %1 root table entries").arg(roots.roots().size());
    for (const Group& group : {Group{QStringLiteral("GB2312"), false}, Group{QStringLiteral("GBK additions"), true},
                               Group{QStringLiteral("drawings cut from fonts"), true, true}}) {
        reportCoverage(sources, results, group, report);
        reportFidelity(sources, results, group, report);
        reportCriteria(sources, results, group, report);
    }
    reportExceptions(exceptions, sources, report);
    if (!reportFontDrawings(sources, results, fonts, outDir, report, error))
        return false;
    reportTwins(results, report);
    report << QStringLiteral("pictures: stage time %1 ms").arg(timer.elapsed());
    return true;
}

}
