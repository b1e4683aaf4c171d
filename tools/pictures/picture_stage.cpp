#include "tools/pictures/picture_stage.h"

#include "tools/pictures/decomposer.h"
#include "tools/pictures/exception_table.h"
#include "tools/pictures/fill_points.h"
#include "tools/pictures/glyph_renderer.h"
#include "tools/pictures/known_parts.h"
#include "tools/pictures/marking_fidelity.h"
#include "tools/pictures/root_codes.h"
#include "tools/pictures/stroke_order.h"
#include "tools/pictures/stroke_outlines.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <numeric>
#include <thread>

namespace lumbrell::data {
namespace {

// Everything the stage learns about one character.
struct CharacterResult {
    Decomposition decomposition;
    std::array<QByteArray, 4> info;
    std::array<MarkingScore, 4> scores;
    QString tsvLine;
    bool completed = false; // the drawing has a stroke the stroke-order source lacks
    bool reordered = false;    // the drawing writes the strokes in another order than the stroke-order source
    bool reclassified = false; // split only once one stroke took the class its drawing reads as
    bool followsEnding = false; // split as the character its last strokes write
    QString error; // a source that could not be read, or a drawing that could not be written
    StrokeOutlines outlines; // kept from the split to the drawing
    bool inSourceOrder = false; // split on the stroke-order source's classes and order as they are
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

CharacterResult splitCharacter(const RootTable& roots, const ExceptionTable& exceptions, const CharEntry& entry,
                               const QString& hanziWriterDir)
{
    CharacterResult r;
    StrokeOutlines& outlines = r.outlines;
    if (!loadStrokeOutlines(hanziWriterDir, entry.ch, outlines, &r.error))
        return r;
    if (const Exception* e = exceptions.find(entry.ch)) {
        if (int(outlines.outlines.size()) == e->classes.size())
            r.decomposition = fromException(*e);
        else
            r.decomposition.reason = QStringLiteral("the exception table gives %1 strokes, the drawing has %2")
                                         .arg(e->classes.size())
                                         .arg(outlines.outlines.size());
        return r;
    }
    const QString completed = classesWithMissingStroke(entry.strokeClasses, outlines.medians);
    if (!completed.isEmpty()) {
        r.completed = true;
        r.decomposition = decompose(roots, entry.ch, entry.fullCode, completed, &outlines.medians);
    } else if (int(outlines.outlines.size()) != entry.strokeClasses.size()) {
        r.decomposition.reason = QStringLiteral("stroke counts differ: %1 in the stroke order, %2 in the outlines")
                                     .arg(entry.strokeClasses.size())
                                     .arg(outlines.outlines.size());
    } else {
        // The split follows the stroke-order source, as the code does; its
        // stroke numbers then count in the drawing's order. A move of strokes
        // read off the drawing stands only where it lets the roots look like
        // themselves and the drawing's own order does not.
        std::vector<int> inDrawing = strokesInDrawing(entry.strokeClasses, outlines.medians);
        std::vector<QPolygonF> lines = outlines.medians;
        r.decomposition = decompose(roots, entry.ch, entry.fullCode, entry.strokeClasses, &lines);
        if (!std::is_sorted(inDrawing.begin(), inDrawing.end())) {
            std::vector<QPolygonF> moved;
            for (int s : inDrawing)
                moved.push_back(outlines.medians[size_t(s)]);
            const Decomposition d = decompose(roots, entry.ch, entry.fullCode, entry.strokeClasses, &moved);
            if (d.ok() && !d.classesOnly && (!r.decomposition.ok() || r.decomposition.classesOnly)) {
                r.decomposition = d;
                lines = std::move(moved);
            } else {
                std::iota(inDrawing.begin(), inDrawing.end(), 0);
            }
        }
        // Classes no split explains may hold a stroke the source classes wrongly.
        for (const QString& variant : classesReadOtherwise(entry.strokeClasses, lines)) {
            if (r.decomposition.ok())
                break;
            r.decomposition = decompose(roots, entry.ch, entry.fullCode, variant, &lines);
            r.reclassified = r.decomposition.ok();
        }
        r.reordered = !std::is_sorted(inDrawing.begin(), inDrawing.end());
        if (r.reordered)
            renumber(r.decomposition, inDrawing);
        r.inSourceOrder = !r.reordered && !r.reclassified;
    }
    return r;
}

// A character that ends in another one drawn alike splits that part as the
// other one does, where its code allows (拌 takes 半 as 丷 干, as 半 does;
// 袋 takes 衣's 𧘇 whole).
void followEnding(const RootTable& roots, const CharEntry& entry, const KnownParts& known, CharacterResult& r)
{
    if (!r.inSourceOrder || !r.decomposition.ok())
        return;
    const std::vector<KnownPart> parts = known.endingOf(entry.strokeClasses, r.outlines.medians);
    if (parts.empty())
        return;
    const Decomposition d = decompose(roots, entry.ch, entry.fullCode, entry.strokeClasses, &r.outlines.medians, &parts);
    if (!d.ok() || d.classesOnly != r.decomposition.classesOnly)
        return;
    r.followsEnding = r.followsEnding || tsvLine(entry, d) != tsvLine(entry, r.decomposition);
    r.decomposition = d;
}

// Draws the character with its split marked and measures the marking.
void drawAndMeasure(const CharEntry& entry, const QString& bmpDir, CharacterResult& r)
{
    const StrokeOutlines& outlines = r.outlines;
    PositionStrokes marked;
    for (size_t k = 0; k < 4; ++k)
        if (r.decomposition.positions[k].kind == PositionKind::Component && int(k) < entry.fullCode.size())
            marked[k] = r.decomposition.positions[k].strokes;
    const CharacterDrawing drawing = drawCharacter(outlines, marked);
    const QString path = bmpDir + u'/' + entry.ch + QStringLiteral(".bmp");
    if (!drawing.image.save(path, "BMP")) {
        r.error = QStringLiteral("%1: cannot be written").arg(path);
        return;
    }
    for (size_t k = 0; k < 4; ++k) {
        if (r.decomposition.positions[k].kind == PositionKind::Identification && int(k) < entry.fullCode.size())
            r.info[k] = "0";
        else if (!marked[k].empty()) {
            r.info[k] = formatFillPoints(drawing.seeds[k]);
            r.scores[k] = measureMarking(drawing.image, drawing.seeds[k], drawing.componentPixels[k]);
        }
    }
    r.tsvLine = tsvLine(entry, r.decomposition);
    r.outlines = {};
}

// Runs job(i) for every character on every core.
template <typename Job>
void forEachCharacter(size_t count, const Job& job)
{
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < count; i = next++)
            job(i);
    };
    std::vector<std::thread> threads;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned t = 0; t < cores; ++t)
        threads.emplace_back(worker);
    for (std::thread& t : threads)
        t.join();
}

// Splits every character, lets the ones that end in another follow that
// one's split, then draws them; results keep the characters' order.
std::vector<CharacterResult> processAll(const RootTable& roots, const ExceptionTable& exceptions,
                                       const SourceSet& sources, const QString& bmpDir)
{
    std::vector<CharacterResult> results(sources.chars.size());
    forEachCharacter(results.size(), [&](size_t i) {
        results[i] = splitCharacter(roots, exceptions, sources.chars[i], sources.hanziWriterDir);
    });
    auto knownParts = [&] {
        KnownParts known;
        for (size_t i = 0; i < results.size(); ++i)
            if (results[i].inSourceOrder)
                known.add(sources.chars[i].strokeClasses, results[i].outlines.medians, results[i].decomposition);
        return known;
    };
    // Twice: a part may itself end in another (窿 ends in 隆, which ends in 生).
    const KnownParts firstKnown = knownParts();
    forEachCharacter(results.size(), [&](size_t i) {
        if (results[i].error.isEmpty())
            followEnding(roots, sources.chars[i], firstKnown, results[i]);
    });
    const KnownParts known = knownParts();
    forEachCharacter(results.size(), [&](size_t i) {
        if (!results[i].error.isEmpty())
            return;
        followEnding(roots, sources.chars[i], known, results[i]);
        drawAndMeasure(sources.chars[i], bmpDir, results[i]);
    });
    return results;
}

QString percent(double part, double whole)
{
    return QString::number(whole ? 100.0 * part / whole : 0.0, 'f', 2) + u'%';
}

void reportCoverage(const SourceSet& sources, const std::vector<CharacterResult>& results, QStringList& report)
{
    int counts[5] = {};
    int classesOnly = 0;
    QStringList failures;
    for (size_t i = 0; i < results.size(); ++i) {
        const Decomposition& d = results[i].decomposition;
        ++counts[int(d.kind)];
        classesOnly += d.classesOnly;
        if (!d.ok())
            failures << QStringLiteral("  %1 %2 %3: %4")
                            .arg(sources.chars[i].ch, sources.chars[i].fullCode, sources.chars[i].strokeClasses, d.reason);
    }
    const int decomposed = int(results.size()) - counts[int(DecompositionKind::Failed)];
    report << QStringLiteral("pictures: decomposition coverage %1 of %2 characters (%3): %4 from roots, "
                             "%5 key names, %6 component characters, %7 single strokes")
                  .arg(decomposed)
                  .arg(results.size())
                  .arg(percent(decomposed, double(results.size())))
                  .arg(counts[int(DecompositionKind::Roots)])
                  .arg(counts[int(DecompositionKind::KeyName)])
                  .arg(counts[int(DecompositionKind::ComponentCharacter)])
                  .arg(counts[int(DecompositionKind::SingleStroke)]);
    report << QStringLiteral("pictures: %1 of the splits rest on stroke classes alone (no split whose roots look like "
                             "the roots' own drawings)")
                  .arg(classesOnly);
    // The characters whose result has the given mark, as one string.
    const auto charactersWhere = [&](bool CharacterResult::*mark) {
        QString characters;
        for (size_t i = 0; i < results.size(); ++i)
            if (results[i].*mark)
                characters += sources.chars[i].ch;
        return characters;
    };
    const QString reordered = charactersWhere(&CharacterResult::reordered);
    report << QStringLiteral("pictures: %1 characters whose drawing writes some strokes in another order than the "
                             "stroke-order source, split in the drawing's order: %2")
                  .arg(reordered.size())
                  .arg(reordered);
    const QString completed = charactersWhere(&CharacterResult::completed);
    report << QStringLiteral("pictures: %1 characters whose drawing has one stroke more than the stroke-order source, "
                             "its class read off the drawing: %2")
                  .arg(completed.size())
                  .arg(completed);
    const QString reclassified = charactersWhere(&CharacterResult::reclassified);
    report << QStringLiteral("pictures: %1 characters split only once one stroke took the class its drawing reads as: %2")
                  .arg(reclassified.size())
                  .arg(reclassified);
    const auto following = std::count_if(results.begin(), results.end(), [](const CharacterResult& r) { return r.followsEnding; });
    report << QStringLiteral("pictures: %1 characters split the other character their last strokes write as that one "
                             "splits itself")
                  .arg(following);
    report << QStringLiteral("pictures: %1 characters not decomposed (drawn without marking):").arg(failures.size());
    report << failures;
}

// The character sets the figures are given for: GB2312 (lead bytes B0-F7,
// trail A1-FE) and the GBK characters beyond it.
enum class CharacterSet { Gb2312, GbkAdditions };

CharacterSet setOf(const CharEntry& entry)
{
    if (entry.gbk.size() != 2)
        return CharacterSet::Gb2312;
    const uchar lead = uchar(entry.gbk[0]), trail = uchar(entry.gbk[1]);
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 ? CharacterSet::Gb2312 : CharacterSet::GbkAdditions;
}

// Coverage and marking fidelity per character set, and every marked
// position that falls short.
void reportBySet(const SourceSet& sources, const std::vector<CharacterResult>& results, QStringList& report)
{
    for (CharacterSet set : {CharacterSet::Gb2312, CharacterSet::GbkAdditions}) {
        const QString name = set == CharacterSet::Gb2312 ? QStringLiteral("GB2312") : QStringLiteral("GBK additions");
        int characters = 0, decomposed = 0, marked = 0, good = 0, blackOutside = 0;
        QStringList short_;
        for (size_t i = 0; i < results.size(); ++i) {
            if (setOf(sources.chars[i]) != set)
                continue;
            ++characters;
            decomposed += results[i].decomposition.ok();
            for (int k = 0; k < 4; ++k) {
                const MarkingScore& score = results[i].scores[size_t(k)];
                if (score.componentPixels == 0)
                    continue;
                ++marked;
                good += score.good();
                blackOutside += score.blackened > score.blackenedInside;
                if (!score.good())
                    short_ << QStringLiteral("%1:%2 %3/%4")
                                  .arg(sources.chars[i].ch)
                                  .arg(k + 1)
                                  .arg(percent(score.blackenedInside, score.componentPixels))
                                  .arg(percent(score.blackened - score.blackenedInside, score.blackened));
            }
        }
        if (characters == 0)
            continue;
        report << QStringLiteral("pictures: %1: %2 of %3 outlined characters decomposed (%4); %5 of %6 marked "
                                 "positions blacken >= 97% of their component with <= 1% outside (%7); %8 "
                                 "positions with any black outside their component")
                      .arg(name)
                      .arg(decomposed)
                      .arg(characters)
                      .arg(percent(decomposed, characters))
                      .arg(good)
                      .arg(marked)
                      .arg(percent(good, marked))
                      .arg(blackOutside);
        if (!short_.isEmpty())
            report << QStringLiteral("pictures: %1: positions short of the mark (character:position blackened/outside): %2")
                          .arg(name, short_.join(u' '));
    }
}

// How many characters each criterion decided.
void reportCriteria(const std::vector<CharacterResult>& results, QStringList& report)
{
    std::map<Criterion, int> decided;
    std::map<Criterion, QString> firstDecided;
    for (const CharacterResult& r : results)
        if (r.decomposition.ok()) {
            ++decided[r.decomposition.decidedBy];
            QString& first = firstDecided[r.decomposition.decidedBy];
            if (first.size() < 20 && !r.tsvLine.isEmpty())
                first += r.tsvLine.section(u'\t', 0, 0);
        }
    report << QStringLiteral("pictures: characters each criterion decided (the kinds first, then the ranking in order):");
    for (const CriterionInfo& c : criteria())
        report << QStringLiteral("  %1 %2: %3 (%4; in the build: %5)")
                      .arg(QString::fromUtf8(c.wubiName))
                      .arg(decided[c.id], 5)
                      .arg(QString::fromUtf8(c.rule))
                      .arg(QString::fromUtf8(c.examples))
                      .arg(firstDecided[c.id]);
}

void reportFidelity(const SourceSet& sources, const std::vector<CharacterResult>& results, QStringList& report)
{
    struct Marked {
        size_t index;
        int position;
        MarkingScore score;
    };
    std::vector<Marked> marked;
    for (size_t i = 0; i < results.size(); ++i)
        for (int k = 0; k < 4; ++k)
            if (results[i].scores[size_t(k)].componentPixels > 0)
                marked.push_back({i, k + 1, results[i].scores[size_t(k)]});
    const auto good = std::count_if(marked.begin(), marked.end(), [](const Marked& m) { return m.score.good(); });
    report << QStringLiteral("pictures: marking fidelity (flood fill at the fill points, >= 97% of the component "
                             "blackened and <= 1% of the black outside it): %1 of %2 marked positions (%3)")
                  .arg(good)
                  .arg(marked.size())
                  .arg(percent(double(good), double(marked.size())));
    auto badness = [](const MarkingScore& s) { return std::max(1.0 - s.coverage(), s.outside()); };
    std::stable_sort(marked.begin(), marked.end(),
                     [&](const Marked& a, const Marked& b) { return badness(a.score) > badness(b.score); });
    report << QStringLiteral("pictures: worst ten marked positions:");
    for (size_t w = 0; w < marked.size() && w < 10; ++w)
        report << QStringLiteral("  %1 position %2: %3 of the component blackened, %4 of the black outside")
                      .arg(sources.chars[marked[w].index].ch)
                      .arg(marked[w].position)
                      .arg(percent(marked[w].score.blackenedInside, marked[w].score.componentPixels))
                      .arg(percent(marked[w].score.blackened - marked[w].score.blackenedInside,
                                   marked[w].score.blackened));
}

// A root that is itself a character must be typed as that character is.
bool rootsAgreeWithCodes(const RootTable& roots, const SourceSet& sources, QString* error)
{
    QHash<QString, OwnCode> codes;
    for (const CharEntry& entry : sources.chars)
        codes.insert(entry.ch, {entry.fullCode, entry.strokeClasses});
    const QStringList conflicts = rootsAgainstTheirCodes(roots, codes);
    if (conflicts.isEmpty())
        return true;
    *error = QStringLiteral("root table tools/pictures/roots.tsv: ") + conflicts.join(QStringLiteral("; "));
    return false;
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

} // namespace

bool runPictureStage(const SourceSet& sources, const QString& outDir, std::vector<std::array<QByteArray, 4>>& info,
                     QStringList& report, QString* error)
{
    QElapsedTimer timer;
    timer.start();
    RootTable roots;
    ExceptionTable exceptions;
    if (!roots.loadBuiltIn(error) || !rootsAgreeWithCodes(roots, sources, error) || !exceptions.loadBuiltIn(error)
        || !exceptionsHold(exceptions, roots, sources, error))
        return false;
    roots.attachShapes([&sources](const QString& glyph) {
        StrokeOutlines drawn;
        QString missing; // a root without a drawing of its own is matched by its classes alone
        if (glyph.toUcs4().size() != 1 || !loadStrokeOutlines(sources.hanziWriterDir, glyph, drawn, &missing))
            return std::vector<QPolygonF>();
        return drawn.medians;
    });
    const QString bmpDir = outDir + QStringLiteral("/bmp");
    if (!QDir().mkpath(bmpDir)) {
        *error = QStringLiteral("%1: cannot be created").arg(bmpDir);
        return false;
    }
    const std::vector<CharacterResult> results = processAll(roots, exceptions, sources, bmpDir);
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
    info.assign(results.size(), {});
    for (size_t i = 0; i < results.size(); ++i) {
        info[i] = results[i].info;
        tsv.write((results[i].tsvLine + u'\n').toUtf8());
    }
    tsv.close();

    report << QStringLiteral("pictures: %1 root table entries").arg(roots.roots().size());
    reportCoverage(sources, results, report);
    reportCriteria(results, report);
    reportExceptions(exceptions, sources, report);
    reportFidelity(sources, results, report);
    reportBySet(sources, results, report);
    report << QStringLiteral("pictures: stage time %1 ms").arg(timer.elapsed());
    return true;
}

}
