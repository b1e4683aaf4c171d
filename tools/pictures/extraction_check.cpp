#include "tools/pictures/extraction_check.h"

#include "tools/pictures/font_drawing.h"
#include "tools/pictures/parallel.h"
#include "tools/pictures/picture_stage.h"
#include "tools/pictures/stroke_extraction.h"
#include "tools/pictures/stroke_matching.h"
#include "tools/pictures/stroke_outlines.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <array>
#include <bit>
#include <map>

namespace lumbrell::data {
namespace {

constexpr int Side = 128;
using Bits = std::array<quint64, Side * Side / 64>;

Bits filled(const QPainterPath& path)
{
    QImage image(Side, Side, QImage::Format_Grayscale8);
    image.fill(0);
    {
        QPainter p(&image);
        p.scale(Side / 1024.0, Side / 1024.0);
        p.fillPath(path, Qt::white);
    }
    Bits bits{};
    for (int y = 0; y < Side; ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < Side; ++x)
            if (row[x] > 127)
                bits[size_t((y * Side + x) / 64)] |= quint64(1) << ((y * Side + x) % 64);
    }
    return bits;
}

double overlap(const Bits& a, const Bits& b)
{
    int both = 0, either = 0;
    for (size_t k = 0; k < a.size(); ++k) {
        both += std::popcount(a[k] & b[k]);
        either += std::popcount(a[k] | b[k]);
    }
    return either ? double(both) / either : 0.0;
}

// Cut as the data build cuts: to the stroke order's count where a setting gives it.
GlyphCut cutAsBuilt(const CharEntry& entry, const QPainterPath& glyph)
{
    std::vector<size_t> counts{size_t(entry.strokeClasses.size())};
    if (!entry.otherStrokeClasses.isEmpty())
        counts.push_back(size_t(entry.otherStrokeClasses.size()));
    return cutIntoCount(glyph, counts);
}

const FontGlyphs& fontFor(const CharEntry& entry, const FontGlyphs& simplifiedFont, const FontGlyphs& traditionalFont)
{
    return entry.set == CharSet::Addition ? traditionalFont : simplifiedFont;
}

enum class Outcome { Right, NoGlyph, NoOutline, Fewer, More, WrongCut, WrongOrder, WrongParts };

const char* outcomeName(Outcome o)
{
    switch (o) {
    case Outcome::Right: return "fully right";
    case Outcome::NoGlyph: return "the font lacks the character";
    case Outcome::NoOutline: return "the outline package's file cannot be read";
    case Outcome::Fewer: return "fewer strokes cut than the package has (merged strokes)";
    case Outcome::More: return "more strokes cut than the package has (split strokes)";
    case Outcome::WrongCut: return "as many strokes, but some cut otherwise than the package's";
    case Outcome::WrongOrder: return "the package's strokes, in another order that keeps each coded component's strokes together";
    case Outcome::WrongParts: return "the package's strokes, in an order that moves strokes between coded components";
    }
    return "";
}

Outcome checkOne(const CharEntry& entry, const QString& outlineDir, const FontGlyphs& font,
                 const StrokeTemplates& templates, const std::vector<std::vector<int>>& components)
{
    StrokeOutlines truth;
    QString error;
    if (!loadStrokeOutlines(outlineDir, entry.ch, truth, &error))
        return Outcome::NoOutline;
    QPainterPath glyph;
    if (font.glyph(entry.ch.toUcs4().value(0), glyph) < 0)
        return Outcome::NoGlyph;
    const GlyphCut cut = cutAsBuilt(entry, glyph);
    if (cut.strokes.size() < truth.outlines.size())
        return Outcome::Fewer;
    if (cut.strokes.size() > truth.outlines.size())
        return Outcome::More;
    // Ordered by the classes of the package's own stroke count.
    QString classes = entry.strokeClasses;
    if (classes.size() != qsizetype(cut.strokes.size()))
        classes = entry.otherStrokeClasses;
    OrderedStrokes ordered;
    if (!orderStrokes(cut.strokes, classes, ordered, &templates, entry.ch))
        return Outcome::WrongCut;
    std::vector<Bits> mine, theirs;
    for (size_t k = 0; k < truth.outlines.size(); ++k) {
        mine.push_back(filled(ordered.strokes.outlines[k]));
        theirs.push_back(filled(truth.outlines[k]));
    }
    bool inPlace = true;
    for (size_t k = 0; k < mine.size() && inPlace; ++k)
        inPlace = overlap(mine[k], theirs[k]) >= StrokeOverlapNeeded;
    if (inPlace)
        return Outcome::Right;
    std::vector<std::vector<double>> cost(mine.size(), std::vector<double>(mine.size()));
    for (size_t a = 0; a < mine.size(); ++a)
        for (size_t b = 0; b < mine.size(); ++b)
            cost[a][b] = -overlap(mine[a], theirs[b]);
    const std::vector<int> best = cheapestAssignment(cost);
    for (size_t a = 0; a < mine.size(); ++a)
        if (-cost[a][size_t(best[a])] < StrokeOverlapNeeded)
            return Outcome::WrongCut;
    // The pictures mark sets of strokes: an order that keeps each component's strokes in its places marks alike.
    for (const std::vector<int>& component : components) {
        std::vector<int> moved;
        for (int k : component)
            moved.push_back(k < int(best.size()) ? best[size_t(k)] : -1);
        std::sort(moved.begin(), moved.end());
        if (moved != component)
            return Outcome::WrongParts;
    }
    return Outcome::WrongOrder;
}

// Why a font drawing that would ship marks otherwise than the package drawing.
enum class Mismatch {
    None,
    KindDiffers, // a position marked on one side only, or the identification code on one side only
    Regrouped,   // the strokes are cut as the package's, but a position takes others
    CutAndRegrouped, // some strokes cut otherwise, and a position takes others
};

const char* mismatchName(Mismatch m)
{
    switch (m) {
    case Mismatch::None: return "marks the same components";
    case Mismatch::KindDiffers: return "a position is marked (or given the identification code) on one side only";
    case Mismatch::Regrouped: return "strokes cut as the package's, but a position marks other strokes";
    case Mismatch::CutAndRegrouped: return "some strokes cut otherwise than the package's, and a position marks other strokes";
    }
    return "";
}

const char* repairName(FontRepair repair)
{
    switch (repair) {
    case FontRepair::None: return "no repair step";
    case FontRepair::Reordered: return "the reorder step";
    case FontRepair::Exchanged: return "the exchange step";
    }
    return "";
}

// One character's way through the shipping path.
struct GateOutcome {
    QString withheld; // why it would not ship; empty where it would
    Mismatch mismatch = Mismatch::None;
    FontRepair repair = FontRepair::None;
    bool measured = false; // split, and compared with the package drawing
};

Mismatch compareMarking(const FontDrawingTrial& trial, const StrokeOutlines& truth, const PackageMarking& package)
{
    const size_t count = trial.strokes.outlines.size();
    if (count != truth.outlines.size())
        return Mismatch::CutAndRegrouped;
    std::vector<Bits> mine, theirs;
    for (size_t k = 0; k < count; ++k) {
        mine.push_back(filled(trial.strokes.outlines[k]));
        theirs.push_back(filled(truth.outlines[k]));
    }
    std::vector<std::vector<double>> cost(count, std::vector<double>(count));
    for (size_t a = 0; a < count; ++a)
        for (size_t b = 0; b < count; ++b)
            cost[a][b] = -overlap(mine[a], theirs[b]);
    const std::vector<int> paired = cheapestAssignment(cost);
    bool cutAlike = true;
    for (size_t a = 0; a < count; ++a)
        cutAlike = cutAlike && -cost[a][size_t(paired[a])] >= StrokeOverlapNeeded;
    for (size_t k = 0; k < 4; ++k) {
        const CodePosition& position = trial.decomposition.positions[k];
        const bool identification = position.kind == PositionKind::Identification;
        const bool marked = position.kind == PositionKind::Component && !position.strokes.empty();
        if (identification != package[k].identification || marked != !package[k].strokes.empty())
            return Mismatch::KindDiffers;
        std::vector<int> moved;
        for (int s : position.strokes)
            moved.push_back(s >= 0 && size_t(s) < count ? paired[size_t(s)] : -1);
        std::sort(moved.begin(), moved.end());
        if (marked && moved != package[k].strokes)
            return cutAlike ? Mismatch::Regrouped : Mismatch::CutAndRegrouped;
    }
    return Mismatch::None;
}

} // namespace

QStringList checkShippingGate(const SourceSet& sources, const FontGlyphs& simplifiedFont,
                              const FontGlyphs& traditionalFont, const QHash<QString, PackageMarking>& package)
{
    RootTable roots;
    ExceptionTable exceptions;
    QString error;
    if (!roots.loadBuiltIn(&error) || !exceptions.loadBuiltIn(&error))
        return {QStringLiteral("shipping gate check: %1").arg(error)};
    attachDrawnShapes(roots, sources);
    std::vector<size_t> outlined;
    StrokeTemplates templates;
    for (size_t i = 0; i < sources.chars.size(); ++i) {
        StrokeOutlines drawn;
        if (package.contains(sources.chars[i].ch)
            && loadStrokeOutlines(sources.hanziWriterDir, sources.chars[i].ch, drawn, &error)) {
            outlined.push_back(i);
            templates.add(sources.chars[i].ch, sources.chars[i].strokeClasses, drawn.medians);
        }
    }
    // The drawings follow the parts they end or begin in as the build lets them.
    const KnownParts known = partsOfOutlinedCharacters(roots, exceptions, sources);
    std::vector<GateOutcome> outcomes(outlined.size());
    forEachInParallel(outlined.size(), [&](size_t k) {
        const CharEntry& entry = sources.chars[outlined[k]];
        GateOutcome& outcome = outcomes[k];
        StrokeOutlines cut, truth;
        QString font, why;
        if (!strokesFromFonts(fontFor(entry, simplifiedFont, traditionalFont), entry, &templates, cut, &font, &why)) {
            outcome.withheld = why;
            return;
        }
        const FontDrawingTrial trial = tryFontDrawing(roots, exceptions, entry, cut, font, &known);
        outcome.withheld = trial.withheld;
        outcome.repair = trial.repair;
        // Those withheld after a split are measured too: they show what each check keeps out.
        outcome.measured = trial.decomposition.ok() && loadStrokeOutlines(sources.hanziWriterDir, entry.ch, truth, &why);
        if (outcome.measured)
            outcome.mismatch = compareMarking(trial, truth, package.value(entry.ch));
    });

    int shipping = 0;
    std::map<QString, std::pair<int, int>> withheld; // by reason: how many, how many of those measured mark alike
    std::map<Mismatch, std::map<FontRepair, QString>> wrong;
    std::map<FontRepair, std::pair<int, int>> byRepair; // shipping, of those alike
    for (size_t k = 0; k < outlined.size(); ++k) {
        const GateOutcome& o = outcomes[k];
        const bool ships = o.withheld.isEmpty();
        if (ships)
            ++shipping;
        else {
            ++withheld[o.withheld].first;
            withheld[o.withheld].second += o.measured && o.mismatch == Mismatch::None;
        }
        // Measured: what would ship, and what only a repair step let through.
        if (!ships && o.repair == FontRepair::None)
            continue;
        ++byRepair[o.repair].first;
        if (o.mismatch == Mismatch::None)
            ++byRepair[o.repair].second;
        else if (ships)
            wrong[o.mismatch][o.repair] += sources.chars[outlined[k]].ch;
    }
    const int alike = byRepair[FontRepair::None].second;
    auto share = [](int part, int whole) { return QString::number(whole ? 100.0 * part / whole : 0.0, 'f', 1); };
    QStringList report;
    report << QStringLiteral("shipping gate check: of the %1 outlined characters cut from their fonts and taken the "
                             "way a drawing cut from a font ships (order, split, repair steps, following the split of "
                             "a character they end or begin in, shipping checks), %2 would ship; "
                             "%3 of those (%4%) mark the same components as the package drawing at every code "
                             "position (strokes paired one to one by the largest total overlap)")
                  .arg(outlined.size())
                  .arg(shipping)
                  .arg(alike)
                  .arg(share(alike, shipping));
    for (const auto& [repair, counts] : byRepair)
        report << QString::fromUtf8(repair == FontRepair::None
                                        ? "  through %1: %2 would ship, %3 mark alike (%4%)"
                                        : "  through %1 (withheld for it): %2, %3 would mark alike (%4%)")
                      .arg(QString::fromUtf8(repairName(repair)))
                      .arg(counts.first)
                      .arg(counts.second)
                      .arg(share(counts.second, counts.first));
    for (const auto& [mismatch, byStep] : wrong)
        for (const auto& [repair, characters] : byStep)
            report << QStringLiteral("  marks otherwise, %1, through %2: %3 (%4)")
                          .arg(QString::fromUtf8(mismatchName(mismatch)))
                          .arg(QString::fromUtf8(repairName(repair)))
                          .arg(characters.toUcs4().size())
                          .arg(characters);
    report << QStringLiteral("  would not ship, by reason (and how many of those would mark alike):");
    for (const auto& [reason, counts] : withheld)
        report << QStringLiteral("    %1: %2 (%3)").arg(reason).arg(counts.first).arg(counts.second);
    return report;
}

QStringList checkExtraction(const SourceSet& sources, const FontGlyphs& simplifiedFont,
                            const FontGlyphs& traditionalFont, const QHash<QString, std::vector<std::vector<int>>>& split)
{
    std::vector<size_t> outlined;
    for (size_t i = 0; i < sources.chars.size(); ++i)
        if (QFileInfo::exists(sources.hanziWriterDir + u'/' + sources.chars[i].ch + QStringLiteral(".json")))
            outlined.push_back(i);
    // Every outlined character guides the others, never itself.
    StrokeTemplates templates;
    for (size_t i : outlined) {
        StrokeOutlines drawn;
        QString error;
        if (loadStrokeOutlines(sources.hanziWriterDir, sources.chars[i].ch, drawn, &error))
            templates.add(sources.chars[i].ch, sources.chars[i].strokeClasses, drawn.medians);
    }
    std::vector<Outcome> outcomes(outlined.size());
    forEachInParallel(outlined.size(), [&](size_t k) {
        const CharEntry& entry = sources.chars[outlined[k]];
        outcomes[k] = checkOne(entry, sources.hanziWriterDir, fontFor(entry, simplifiedFont, traditionalFont),
                               templates, split.value(entry.ch));
    });

    QStringList report;
    for (const bool additions : {false, true}) {
        std::map<Outcome, int> counts;
        std::map<Outcome, QString> examples;
        int total = 0;
        for (size_t k = 0; k < outlined.size(); ++k) {
            const CharEntry& entry = sources.chars[outlined[k]];
            if ((entry.set == CharSet::Addition) != additions)
                continue;
            ++total;
            ++counts[outcomes[k]];
            if (examples[outcomes[k]].size() < 30)
                examples[outcomes[k]] += entry.ch;
        }
        const QString group = additions ? QStringLiteral("GBK additions against AR PL UKai")
                                         : QStringLiteral("GB2312 against AR PL KaitiM GB");
        report << QStringLiteral("stroke extraction check, %1: %2 of %3 characters fully right (%4%): as many "
                                 "strokes as the package, each overlapping the package's stroke of its place in "
                                 "the writing order by at least %5 (intersection over union)")
                      .arg(group)
                      .arg(counts[Outcome::Right])
                      .arg(total)
                      .arg(total ? 100.0 * counts[Outcome::Right] / total : 0.0, 0, 'f', 1)
                      .arg(StrokeOverlapNeeded);
        const int marksAlike = counts[Outcome::Right] + counts[Outcome::WrongOrder];
        report << QStringLiteral("  cut right and each coded component's strokes in its own places, so the pictures "
                                 "mark the same strokes: %1 of %2 (%3%)")
                      .arg(marksAlike)
                      .arg(total)
                      .arg(total ? 100.0 * marksAlike / total : 0.0, 0, 'f', 1);
        for (const auto& [outcome, count] : counts)
            if (outcome != Outcome::Right)
                report << QStringLiteral("  %1: %2 (%3)").arg(QString::fromUtf8(outcomeName(outcome))).arg(count).arg(examples[outcome]);
    }
    return report;
}

QImage pictureOfCut(const QPainterPath& glyph, const GlyphCut& cut)
{
    constexpr int Side = 512;
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Side / 1024.0, Side / 1024.0);
    p.fillPath(glyph, QColor(215, 215, 215));
    for (size_t k = 0; k < cut.strokes.size(); ++k) {
        const QColor colour = QColor::fromHsv(int(k * 137 % 360), 200, 200);
        p.setPen(QPen(colour, 5));
        p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 50));
        p.drawPolygon(cut.strokes[k].outline);
        p.setPen(QPen(colour.darker(), 3, Qt::DashLine));
        p.drawPolyline(cut.strokes[k].centreLine);
    }
    p.setPen(QPen(Qt::blue, 4));
    for (const Bridge& b : cut.bridges)
        p.drawLine(cut.corners[size_t(b.from)].at, cut.corners[size_t(b.to)].at);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    for (const OutlineCorner& c : cut.corners)
        p.drawEllipse(c.at, 9, 9);
    return image;
}

GlyphCut checkedCut(const CharEntry& entry, const FontGlyphs& simplifiedFont, const FontGlyphs& traditionalFont,
                    QPainterPath& glyph)
{
    if (fontFor(entry, simplifiedFont, traditionalFont).glyph(entry.ch.toUcs4().value(0), glyph) < 0)
        return {};
    return cutAsBuilt(entry, glyph);
}

}
