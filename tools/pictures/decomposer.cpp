#include "tools/pictures/decomposer.h"

#include "formats/identification_letters.h"
#include "formats/wubi_rules.h"

#include "tools/pictures/shape_match.h"

#include <QRectF>

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <string_view>
#include <tuple>

namespace lumbrell::data {
namespace {

std::vector<int> strokeRange(int from, int to)
{
    std::vector<int> v(std::max(0, to - from));
    std::iota(v.begin(), v.end(), from);
    return v;
}

CodePosition component(std::vector<int> strokes, QString glyph)
{
    return {PositionKind::Component, std::move(strokes), std::move(glyph)};
}

CodePosition identification() { return {PositionKind::Identification, {}, {}}; }

// Of two rows of one key on the same strokes, one wins by its drawing only
// when the strokes are nearer to it by this much; nearer ties go to the
// stated tie numbers.
constexpr double CloserDrawingMargin = 0.02;

// A centre line ending closer than this to another, in the drawings'
// 1024-unit square, is of a stroke that touches it (about a stroke's width;
// parts standing apart leave 60 and more).
constexpr double TouchingGap = 40;

// Two strokes whose centre lines come no closer than this stand apart (the
// two strokes of 八 in 期 leave 98, under 穴 150 and more; a roof of 人,
// however wide, meets within 50).
constexpr double ApartGap = 2 * TouchingGap;

// A root's own drawing shows two strokes standing apart where they leave
// this much (八 in 空 198; not the foot of 虐, 92, whose 一 and turn are
// written touching in 既 and 牙).
constexpr double ClearlyApartGap = 3 * TouchingGap;

// A root's first stroke that its own drawing joins to the next stands clear
// of it where it is placed when the two leave more than this share of the
// root's size between them, and more than strokes a brush leaves merely
// unjoined: the 一 over a small 口 (睘 in 環 and 繯 leaves 0.12 to 0.15 of
// the 五 it would make, 合 in 剳 0.29) is no 五, whose 丨 hangs from its 一
// (伍 语 衙 leave under a tenth).
constexpr double OpenJointShare = 0.12;
constexpr double UnjoinedGap = 50; // a stroke's width and a little more

// Closing places this much farther from the root's shape than the closest one
// are not tried.
constexpr double ClosingShapeMargin = 0.03;

// One root placed on the character: the strokes it covers.
struct Piece {
    const Root* root;
    std::vector<int> strokes;
};

// How far a search reaches.
struct SearchOptions {
    // Roots that do not look like their drawings are allowed, and the split
    // with the fewest of them wins (兼顾直观 ranks instead of ruling out).
    bool shapesRank = false;
};

// What the search knows of the character beyond its classes and code.
struct SearchInput {
    const std::vector<QPolygonF>* centreLines = nullptr; // one per stroke, or none
    const std::vector<KnownPart>* parts = nullptr;       // characters written in it
};

// The ranking of candidate splits, most important first: the criteria of
// criteria() that have a scope, in its order. The first criterion that tells
// two splits apart decides between them.
const std::vector<CriterionInfo>& ranking()
{
    static const std::vector<CriterionInfo> ranked = [] {
        std::vector<CriterionInfo> r;
        for (const CriterionInfo& c : criteria())
            if (c.scope != RankScope::None)
                r.push_back(c);
        return r;
    }();
    return ranked;
}

// Depth given to each position-scoped criterion per position a split may
// have, so that a criterion deciding at a later position of a longer split
// still sits deeper than one at an earlier position.
constexpr int MostPiecesWeighed = 8;

// Which criterion told two splits apart and how deep in the ranking it sits
// (position-scoped criteria deeper for later positions); 0 for "a is better",
// the sign in better.
struct Verdict {
    int sign = 0; // > 0: the first split wins
    Criterion by = Criterion::TieNumber;
    int depth = 0;
};

// Finds, among all ways of covering the strokes with roots that the full code
// allows, the best by the ranking.
class RootSearch {
public:
    RootSearch(const RootTable& table, const std::string& classes, const std::string& code, SearchInput input,
               SearchOptions options)
        : table_(table), s_(classes), code_(code), n_(int(classes.size())), centreLines_(input.centreLines),
          shapesRank_(options.shapesRank), parts_(input.parts)
    {
        for (const Root& r : table.roots())
            if (r.tail.empty() && !r.writtenLast && r.searched())
                plainRoots_.push_back(&r);
        for (const Root& r : table.roots())
            if (r.alone && !r.encloses() && centreLines_ && !r.shape.empty()) // only where it is seen
                for (int pos = 0; pos + int(r.head.size()) <= n_; ++pos)
                    if (matches(pos, r.head, n_) && distanceFrom(&r, strokeRange(pos, pos + int(r.head.size())))
                                                        <= RootShapeLimit)
                        aloneSpans_.push_back({pos, pos + int(r.head.size())});
    }

    std::optional<std::vector<Piece>> run()
    {
        step(0, Frame{});
        if (!best_ || !best_->fits)
            return std::nullopt;
        return best_->pieces;
    }

    // The criterion that told the chosen split from its closest rival.
    Criterion decidedBy() const { return deciderDepth_ < 0 ? Criterion::OnlySplit : decider_; }

private:
    // Inside an enclosing root: its contents end at contentEnd, and the
    // search goes on after its tail at resume.
    struct Frame {
        bool active = false;
        int contentEnd = 0;
        int resume = 0;
        bool aroundCrossed = false; // its contents are the first part of a crossed root, nothing else
    };

    // How far the strokes are from the root's own drawing; 0 where either
    // shape is unknown.
    double distanceFrom(const Root* root, const std::vector<int>& strokes) const
    {
        if (!centreLines_ || root->shape.empty() || strokes.size() < 2)
            return 0;
        const auto key = std::make_pair(root, strokes);
        const auto known = shapeDistances_.find(key);
        if (known != shapeDistances_.end())
            return known->second;
        std::vector<QPolygonF> lines;
        for (int s : strokes)
            lines.push_back((*centreLines_)[size_t(s)]);
        const double distance = shapeDistance(lines, root->shape);
        shapeDistances_.emplace(key, distance);
        return distance;
    }

    bool looksLike(const Root* root, const std::vector<int>& strokes) const
    {
        return shapesRank_ || drawnAsItself(root, strokes);
    }

    // Whether the strokes look like the root's own drawing.
    bool drawnAsItself(const Root* root, const std::vector<int>& strokes) const
    {
        return distanceFrom(root, strokes) <= RootShapeLimit && apartAsDrawn(root, strokes);
    }

    // Whether a stroke is a 横, 竖 or 折: the strokes that keep their joints
    // in every form of a root, where a 撇 or 点 may stand free of the rest
    // (大's 捺 shortened to a dot in 奔, 人 spread round 三 in 春, 木's legs
    // in 茶).
    bool framesRoot(int stroke) const
    {
        const char c = s_[size_t(stroke)];
        return c == '1' || c == '2' || c == '5';
    }

    // Whether a root's 横, 竖 and 折 written one after another stay joined
    // where its own drawing joins them (五's 丨 hangs from its 一: not the
    // 一 standing clear over 口 in 僉 and 畐).
    bool framedAsDrawn(const Root* root, const std::vector<int>& strokes) const
    {
        if (!centreLines_ || root->shape.size() != strokes.size())
            return true;
        for (size_t i = 0; i + 1 < strokes.size(); ++i)
            if (framesRoot(strokes[i]) && framesRoot(strokes[i + 1])
                && ownGap(root, i, i + 1) <= TouchingGap && placedGap(strokes[i], strokes[i + 1]) > ClearlyApartGap)
                return false;
        return true;
    }

    // Whether a root's first stroke, which its own drawing joins to the
    // next without crossing it (五's 丨 hangs from its 一), stands clear of
    // it where it is placed, by more than a brush leaves unjoined and by a
    // share of the root's size (能散不连: the 一 over a small 口 in 環 and
    // 繯 is 一 alone, not 五).
    bool firstStandsClear(const Root* root, const std::vector<int>& strokes) const
    {
        if (!centreLines_ || root->shape.size() != strokes.size() || strokes.size() < 2 || !framesRoot(strokes[0])
            || !framesRoot(strokes[1]))
            return false;
        const auto key = std::make_pair(root, strokes);
        const auto known = standsClear_.find(key);
        if (known != standsClear_.end())
            return known->second;
        const double own = ownGap(root, 0, 1), placed = placedGap(strokes[0], strokes[1]);
        const bool clear = own > 0 && own <= TouchingGap && placed > UnjoinedGap
            && placed > OpenJointShare * placedSize(strokes);
        standsClear_.emplace(key, clear);
        return clear;
    }

    // The longer side of the box the strokes fill.
    double placedSize(const std::vector<int>& strokes) const
    {
        QRectF box;
        for (int s : strokes) {
            const QRectF r = (*centreLines_)[size_t(s)].boundingRect();
            box = box.isNull() ? r : box.united(r);
        }
        return std::max(box.width(), box.height());
    }

    // How far apart two strokes of the character lie. Rankings ask for the
    // same pairs many times over, so each is measured once.
    double placedGap(int a, int b) const
    {
        if (placedGaps_.empty())
            placedGaps_.assign(size_t(n_) * size_t(n_), -1);
        double& gap = placedGaps_[size_t(std::min(a, b)) * size_t(n_) + size_t(std::max(a, b))];
        if (gap < 0)
            gap = lineGap((*centreLines_)[size_t(a)], (*centreLines_)[size_t(b)]);
        return gap;
    }

    // How far apart two strokes of a root's own drawing lie, measured once.
    double ownGap(const Root* root, size_t a, size_t b) const
    {
        const auto key = std::tuple{root, a, b};
        const auto known = ownGaps_.find(key);
        if (known != ownGaps_.end())
            return known->second;
        return ownGaps_[key] = lineGap(root->shape[a], root->shape[b]);
    }

    // A row that shares its strokes with other rows of its key and whose
    // shape is cut from another character names only strokes that stand
    // apart where its own stand clearly apart (八 as 空 writes it: a roof of
    // 人 meets at its top, however wide it is drawn), and only strokes that
    // meet where its own strokes meet one after the other (人 as 合 writes
    // it: not the 八 of 期).
    bool apartAsDrawn(const Root* root, const std::vector<int>& strokes) const
    {
        if (!centreLines_ || root->tie == 0 || root->shapeFrom.isEmpty() || root->shape.size() != strokes.size())
            return true;
        for (size_t i = 0; i < strokes.size(); ++i)
            for (size_t j = i + 1; j < strokes.size(); ++j) {
                const double own = ownGap(root, i, j);
                const double placed = placedGap(strokes[i], strokes[j]);
                const bool next = j == i + 1; // 已's first and last strokes meet in 民 only through its second
                if ((own > ClearlyApartGap && placed <= ApartGap) || (next && own <= ApartGap && placed > ApartGap))
                    return false;
            }
        return true;
    }

    // The strokes of an enclosing root whose closing part starts at e.
    static std::vector<int> enclosureStrokes(const Root* root, int pos, int e)
    {
        std::vector<int> strokes = strokeRange(pos, pos + int(root->head.size()));
        for (int k = e; k < e + int(root->tail.size()); ++k)
            strokes.push_back(k);
        return strokes;
    }

    // Where an enclosing root starting at pos may close, earliest first: the
    // places its classes allow whose strokes look about as much like the root
    // as the best one (any place, where shapes only rank whole splits).
    std::vector<int> closingPlaces(const Root* root, int pos) const
    {
        std::vector<std::pair<double, int>> places;
        const int h = int(root->head.size()), t = int(root->tail.size());
        for (int e = pos + h + 1; e + t <= n_; ++e)
            if (matches(e, root->tail, n_) && looksLike(root, enclosureStrokes(root, pos, e)))
                places.push_back({shapesRank_ ? 0.0 : distanceFrom(root, enclosureStrokes(root, pos, e)), e});
        if (places.empty())
            return {};
        const double best = std::min_element(places.begin(), places.end())->first;
        std::vector<int> closest;
        for (const auto& [distance, e] : places)
            if (distance <= best + ClosingShapeMargin)
                closest.push_back(e);
        return closest;
    }

    bool matches(int pos, const std::string& classes, int end) const
    {
        return pos + int(classes.size()) <= end && s_.compare(pos, classes.size(), classes) == 0;
    }

    void step(int pos, Frame frame)
    {
        if (frame.active && pos == frame.contentEnd) {
            pos = frame.resume;
            frame = Frame{};
        }
        const int i = int(pieces_.size());
        if (pos == n_ && !frame.active) {
            finish();
            return;
        }
        const int end = frame.active ? frame.contentEnd : n_;
        const int coded = int(code_.size()) - 1; // positions before an identification letter
        if (i >= coded) {
            if (code_.size() != 4)
                return;
            if (frame.active && i == coded)
                placeCrossed(code_[3], pos, frame, true);
            if (frame.aroundCrossed)
                return;
            if (!frame.active || frame.resume == n_)
                lastComponent(pos, end);
            else // a frame holding coded and uncoded parts, more after it (卧, 撼: 戊 round 一 and 口)
                lastAfterEnclosure(pos, frame);
            return;
        }
        if (frame.active)
            placeCrossed(code_[i], pos, frame, false);
        if (frame.aroundCrossed)
            return;
        for (const Root* root : table_.rootsOfKey(code_[i])) {
            if (root->crossed)
                continue;
            if (!root->encloses()) {
                const int len = int(root->head.size());
                if (!matches(pos, root->head, end) || (root->writtenLast && (frame.active || pos + len != n_))
                    || !looksLike(root, strokeRange(pos, pos + len)))
                    continue;
                pieces_.push_back({root, strokeRange(pos, pos + len)});
                step(pos + len, frame);
                pieces_.pop_back();
            } else if (!frame.active && matches(pos, root->head, n_)) {
                const int h = int(root->head.size()), t = int(root->tail.size());
                // It closes as soon as a split goes on from there (回 in 凛 with
                // its own 一, not a later one of 示, which the shape measured in
                // its own box cannot tell apart).
                for (int e : closingPlaces(root, pos)) {
                    const int before = completions_;
                    pieces_.push_back({root, enclosureStrokes(root, pos, e)});
                    step(pos + h, Frame{true, e, e + t, root->crosses});
                    pieces_.pop_back();
                    if (completions_ > before)
                        break;
                }
            }
        }
    }

    // A root crossed by the frame's closing strokes (兆's dots and ticks
    // across 儿's hook): its first strokes fill the rest of the frame's
    // contents, its others follow the closing strokes; as the last component
    // it ends the character.
    void placeCrossed(char key, int pos, const Frame& frame, bool last)
    {
        for (const Root* root : table_.rootsOfKey(key)) {
            const int h = int(root->head.size()), t = int(root->tail.size());
            if (!root->crossed || pos + h != frame.contentEnd || !matches(pos, root->head, frame.contentEnd)
                || !matches(frame.resume, root->tail, n_) || (last && frame.resume + t != n_))
                continue;
            std::vector<int> strokes = strokeRange(pos, frame.contentEnd);
            for (int k = frame.resume; k < frame.resume + t; ++k)
                strokes.push_back(k);
            if (!looksLike(root, strokes))
                continue;
            pieces_.push_back({root, strokes});
            if (last)
                consider();
            else
                step(frame.resume + t, Frame{});
            pieces_.pop_back();
        }
    }

    // Four or more components: the fourth letter is the last one's key, the
    // ones between are not coded and are split largest first.
    void lastComponent(int pos, int end)
    {
        for (const Root* root : table_.rootsOfKey(code_[3])) {
            if (!root->tail.empty())
                continue;
            const int start = end - int(root->head.size());
            std::vector<Piece> middle;
            if (start >= pos && matches(start, root->head, end) && looksLike(root, strokeRange(start, end))
                && splitLargestFirst(pos, start, middle))
                placeLast(middle, {root, strokeRange(start, end)});
            if (end == n_)
                lastInsideEnclosure(pos, *root);
        }
    }

    // A component encloses uncoded ones and more follow it (傻: 亻 丿 囗
    // around 乂, then 八 夂): the rest of its contents and what comes between
    // its closing strokes and the last component are split largest first.
    void lastAfterEnclosure(int pos, const Frame& frame)
    {
        std::vector<Piece> inside;
        if (!splitLargestFirst(pos, frame.contentEnd, inside))
            return;
        for (const Root* root : table_.rootsOfKey(code_[3])) {
            if (!root->tail.empty())
                continue;
            const int start = n_ - int(root->head.size());
            std::vector<Piece> middle = inside;
            if (start >= frame.resume && matches(start, root->head, n_) && looksLike(root, strokeRange(start, n_))
                && splitLargestFirst(frame.resume, start, middle))
                placeLast(middle, {root, strokeRange(start, n_)});
        }
    }

    // The last component may sit inside an uncoded root written around it
    // (骑: 马 一 大 丁 around 口).
    void lastInsideEnclosure(int pos, const Root& last)
    {
        for (const Root& r : table_.roots()) {
            if (!r.encloses() || r.crosses || !r.searched())
                continue;
            const int tailStart = n_ - int(r.tail.size());
            const int lastStart = tailStart - int(last.head.size());
            const int headStart = lastStart - int(r.head.size());
            if (headStart < pos || !matches(tailStart, r.tail, n_) || !matches(lastStart, last.head, tailStart)
                || !matches(headStart, r.head, lastStart) || !looksLike(&last, strokeRange(lastStart, tailStart)))
                continue;
            std::vector<Piece> middle;
            if (!splitLargestFirst(pos, headStart, middle))
                continue;
            std::vector<int> around = strokeRange(headStart, lastStart);
            for (int k = tailStart; k < n_; ++k)
                around.push_back(k);
            if (!looksLike(&r, around))
                continue;
            middle.push_back({&r, around});
            placeLast(middle, {&last, strokeRange(lastStart, tailStart)});
        }
    }

    void placeLast(const std::vector<Piece>& middle, const Piece& last)
    {
        const size_t before = pieces_.size();
        pieces_.insert(pieces_.end(), middle.begin(), middle.end());
        pieces_.push_back(last);
        consider();
        pieces_.resize(before);
    }

    // Of two rows of one key with the same strokes, whether a states the smaller tie number.
    static bool tieWins(const Root* a, const Root* b) { return a->tie != 0 && b->tie != 0 && a->tie < b->tie; }

    bool splitLargestFirst(int from, int to, std::vector<Piece>& out) const
    {
        std::vector<char> reachable(size_t(to - from + 1), 0);
        reachable[size_t(to - from)] = 1;
        for (int j = to - 1; j >= from; --j)
            for (const Root* r : plainRoots_)
                if (matches(j, r->head, to) && reachable[size_t(j + int(r->head.size()) - from)]
                    && looksLike(r, strokeRange(j, j + int(r->head.size())))) {
                    reachable[size_t(j - from)] = 1;
                    break;
                }
        if (!reachable[0])
            return false;
        for (int j = from; j < to;) {
            const Root* pick = nullptr;
            for (const Root* r : plainRoots_)
                if (matches(j, r->head, to) && reachable[size_t(j + int(r->head.size()) - from)]
                    && looksLike(r, strokeRange(j, j + int(r->head.size())))
                    && (!pick || r->head.size() > pick->head.size()
                        || (r->head.size() == pick->head.size() && tieWins(r, pick))))
                    pick = r;
            out.push_back({pick, strokeRange(j, j + int(pick->head.size()))});
            j += int(pick->head.size());
        }
        return true;
    }

    // Two components and a letter (3-letter code) or three and a letter; a
    // split whose letter does not fit loses to any that fits (末笔识别码).
    void finish()
    {
        if (pieces_.size() + 1 != code_.size())
            return;
        consider(identificationFits(code_.back(), s_[size_t(identificationStroke())]));
    }

    // The stroke whose class the identification letter names: the last one,
    // except after an enclosing root's closing strokes or a root written last,
    // where the part they hold decides.
    int identificationStroke() const
    {
        int last = n_ - 1;
        for (bool moved = true; moved && last >= 0;) {
            moved = false;
            for (const Piece& p : pieces_) {
                if (p.strokes.back() != last)
                    continue;
                if (p.root->encloses() && p.strokes.size() > p.root->tail.size()) {
                    last = p.strokes[p.root->head.size()] - 1;
                    moved = true;
                } else if (p.root->writtenLast) {
                    last = p.strokes.front() - 1;
                    moved = true;
                }
                break;
            }
        }
        return std::max(last, 0);
    }

    // A candidate split: its pieces and whether its identification letter fits.
    struct Candidate {
        std::vector<Piece> pieces;
        bool fits = true;
    };

    void consider(bool fits = true)
    {
        completions_ += fits;
        const Candidate candidate{pieces_, fits};
        if (!best_) {
            best_ = candidate;
            return;
        }
        const Verdict v = compare(candidate, *best_);
        if (candidate.fits == best_->fits && sameMarking(candidate.pieces, best_->pieces)) {
            if (v.sign > 0) // another root of the same strokes (人 and 八): no rival in the picture
                best_ = candidate;
            return;
        }
        if (v.sign > 0) {
            best_ = candidate;
            decider_ = v.by;
            deciderDepth_ = v.depth;
        } else if (v.depth > deciderDepth_) {
            decider_ = v.by;
            deciderDepth_ = v.depth;
        }
    }

    // Whether two splits mark the same strokes at every coded position.
    static bool sameMarking(const std::vector<Piece>& a, const std::vector<Piece>& b)
    {
        if (a.size() != b.size())
            return false;
        for (size_t k = 0; k < a.size(); ++k)
            if ((k < 3 || k + 1 == a.size()) && a[k].strokes != b[k].strokes)
                return false;
        return true;
    }

    // Applies the ranking in order; its first criterion that tells them apart decides.
    Verdict compare(const Candidate& a, const Candidate& b) const
    {
        const std::vector<CriterionInfo>& ranked = ranking();
        const size_t count = ranked.size();
        int depth = 0;
        for (size_t r = 0; r < count;) {
            if (ranked[r].scope == RankScope::Split) {
                if (const int sign = compareSplits(ranked[r].id, a, b))
                    return {sign, ranked[r].id, depth};
                ++depth;
                ++r;
                continue;
            }
            size_t end = r;
            while (end < count && ranked[end].scope == RankScope::Position)
                ++end;
            for (size_t k = 0; k < a.pieces.size() && k < b.pieces.size(); ++k)
                for (size_t c = r; c < end; ++c, ++depth)
                    if (const int sign = comparePieces(ranked[c].id, a.pieces, b.pieces, k))
                        return {sign, ranked[c].id, depth};
            depth += int(end - r) * MostPiecesWeighed;
            r = end;
        }
        return {0, Criterion::TieNumber, depth};
    }

    static int sign(int better, int worse) { return better > worse ? 1 : better < worse ? -1 : 0; }

    int compareSplits(Criterion id, const Candidate& a, const Candidate& b) const
    {
        switch (id) {
        case Criterion::Identification:
            return sign(a.fits, b.fits);
        case Criterion::DrawnAsItself:
            if (const int byShape = sign(unlikeCount(b.pieces), unlikeCount(a.pieces)))
                return byShape;
            return sign(openJointCount(b.pieces), openJointCount(a.pieces));
        case Criterion::PartKeptWhole:
            return sign(unlikeParts(b.pieces), unlikeParts(a.pieces));
        case Criterion::PartsApart:
            return sign(reachesIntoParts(b.pieces) + reachesOutOfAlone(b.pieces),
                        reachesIntoParts(a.pieces) + reachesOutOfAlone(a.pieces));
        case Criterion::FewerFrames:
            return sign(enclosingCount(b.pieces), enclosingCount(a.pieces));
        default:
            return 0;
        }
    }

    // The pieces at position k of two splits.
    int comparePieces(Criterion id, const std::vector<Piece>& a, const std::vector<Piece>& b, size_t k) const
    {
        const Piece &p = a[k], &q = b[k];
        switch (id) {
        case Criterion::FrameHoldsMore:
            // Two roots written around others from the same stroke: the one
            // that holds more (斌: 弋头 around the whole of 止, not 工 cutting it).
            if (p.root->encloses() && q.root->encloses() && p.strokes.front() == q.strokes.front())
                return sign(p.strokes.back(), q.strokes.back());
            return 0;
        case Criterion::LargerFirst:
            return sign(int(p.strokes.size()), int(q.strokes.size()));
        case Criterion::CloserDrawing:
            return sameStrokesCloser(p, q);
        case Criterion::TieNumber:
            return sameStrokesTie(p, q);
        case Criterion::FrameAroundUncoded:
            // A frame round uncoded contents before a cut of that frame over
            // as many strokes (巨 in 榘: 匚 around コ, not the bare 一 and
            // turning stroke of 虐's foot).
            if (p.strokes.front() != q.strokes.front())
                return 0;
            if (framesUncoded(p, k, a.size(), q))
                return 1;
            if (framesUncoded(q, k, b.size(), p))
                return -1;
            return 0;
        default:
            return 0;
        }
    }

    // Two rows of one key placed on the same strokes, both with a drawing of
    // their own: the one whose drawing the strokes are nearer to, where they
    // look like a borrowed shape (青's top is 龶, its upright running up
    // through the first stroke; 主's is 王).
    int sameStrokesCloser(const Piece& p, const Piece& q) const
    {
        if (p.strokes != q.strokes || p.root == q.root || !measurable(p) || !measurable(q))
            return 0;
        const double a = distanceFrom(p.root, p.strokes), b = distanceFrom(q.root, q.strokes);
        if (a + CloserDrawingMargin < b && looksLikeBorrowed(p))
            return 1;
        return b + CloserDrawingMargin < a && looksLikeBorrowed(q) ? -1 : 0;
    }

    // A root whose shape is cut from another character (犭头 from 犭) names
    // only strokes that look like it: nearer than the others is not enough
    // (留's ⺈ is far from every row, and nearest to 犭's first strokes).
    bool looksLikeBorrowed(const Piece& p) const
    {
        return p.root->shapeFrom.isEmpty() || drawnAsItself(p.root, p.strokes);
    }

    bool measurable(const Piece& p) const { return centreLines_ && !p.root->shape.empty() && p.strokes.size() >= 2; }

    // Two rows of one key placed on the same strokes: the smaller tie number
    // wins (人 before 八); 0 where the pieces differ or no row states one.
    static int sameStrokesTie(const Piece& p, const Piece& q)
    {
        if (p.strokes != q.strokes || p.root == q.root)
            return 0;
        return tieWins(p.root, q.root) ? 1 : tieWins(q.root, p.root) ? -1 : 0;
    }

    // The third position, the last coded one before the last component, and
    // the pieces a four-letter code types: a split of more goes uncoded between.
    static constexpr size_t LastCodedBeforeLast = 2;
    static constexpr size_t CodedPieces = 4;

    // Whether the last coded piece before the last component is a frame whose
    // contents go uncoded and the other piece is a cut of that frame ("匚(虐)").
    static bool framesUncoded(const Piece& frame, size_t k, size_t pieceCount, const Piece& cut)
    {
        return frame.root->encloses() && k == LastCodedBeforeLast && pieceCount > CodedPieces
            && cut.root->glyph == frame.root->glyph && !cut.root->usualForm();
    }

    int unlikeCount(const std::vector<Piece>& pieces) const
    {
        if (!shapesRank_)
            return 0;
        return int(std::count_if(pieces.begin(), pieces.end(),
                                 [this](const Piece& p) { return !drawnAsItself(p.root, p.strokes); }));
    }

    // Roots whose joints stand far open where they are placed; they rank
    // below the others but still count as drawn as themselves, as a brush
    // may leave a joint open (山's middle stroke in Kai). A coded root whose
    // first stroke stands clear of the rest counts too; an uncoded one, which
    // no picture marks, does not (畺's second 一 over 田 in 韁).
    int openJointCount(const std::vector<Piece>& pieces) const
    {
        int n = 0;
        for (size_t k = 0; k < pieces.size(); ++k) {
            const Piece& p = pieces[k];
            const bool coded = k < LastCodedBeforeLast + 1 || k + 1 == pieces.size();
            n += !framedAsDrawn(p.root, p.strokes) || (coded && firstStandsClear(p.root, p.strokes));
        }
        return n;
    }

    // Coded components inside a known part that are not that part's own
    // components (拌 takes 半 as 丷 干, as 半 itself does), and those that
    // join the end of one known part with the beginning of another: they cut
    // both (侌: 今's 乙 does not join 云's first 一 into コ).
    int unlikeParts(const std::vector<Piece>& pieces) const
    {
        if (!parts_)
            return 0;
        int n = 0;
        for (size_t k = 0; k < pieces.size(); ++k) {
            const bool coded = k < 3 || k + 1 == pieces.size();
            const std::vector<int>& strokes = pieces[k].strokes;
            for (const KnownPart& part : *parts_)
                if (coded && strokes.front() >= part.from && strokes.back() < part.to
                    && std::find(part.pieces.begin(), part.pieces.end(), strokes) == part.pieces.end())
                    ++n;
            if (coded && joinsParts(strokes))
                ++n;
        }
        return n;
    }

    // Whether strokes begin inside one known part and end inside a later one.
    bool joinsParts(const std::vector<int>& strokes) const
    {
        const auto holds = [](const KnownPart& part, int s) { return s >= part.from && s < part.to; };
        return std::any_of(parts_->begin(), parts_->end(), [&](const KnownPart& first) {
            return holds(first, strokes.front())
                && std::any_of(parts_->begin(), parts_->end(), [&](const KnownPart& next) {
                       return next.from >= first.to && holds(next, strokes.back());
                   });
        });
    }

    // Components that reach from before a known part only into its first
    // stroke (澧: 龷 would take 豆's 一), where that stroke stands apart from
    // theirs; a first stroke their strokes run into is shared, and closes
    // them (蹣: 廿's uprights end on the 一 兩 begins with).
    int reachesIntoParts(const std::vector<Piece>& pieces) const
    {
        if (!parts_)
            return 0;
        int n = 0;
        for (const Piece& p : pieces)
            for (const KnownPart& part : *parts_)
                if (p.strokes.front() < part.from && p.strokes.back() == part.from && !p.root->encloses()
                    && !runsInto(p.strokes, part.from))
                    ++n;
        return n;
    }

    // Whether any of the strokes before the given one meets it end on in the
    // drawing (an upright ending on it, not one crossing it).
    bool runsInto(const std::vector<int>& strokes, int stroke) const
    {
        if (!centreLines_)
            return false;
        return std::any_of(strokes.begin(), strokes.end(), [&](int s) {
            return s < stroke
                && endGap((*centreLines_)[size_t(s)], (*centreLines_)[size_t(stroke)]) < TouchingGap;
        });
    }

    // Pieces that join the last strokes of a root typed whole only alone with
    // what follows it: its strokes are other roots, but they end where it ends
    // (狴: 犭 is ⺨ and 丿, then 比; 𠂉 would take 丿 and 比's 一).
    int reachesOutOfAlone(const std::vector<Piece>& pieces) const
    {
        int n = 0;
        for (const auto& [from, to] : aloneSpans_)
            for (const Piece& p : pieces)
                if (p.strokes.front() > from && p.strokes.front() < to && p.strokes.back() >= to)
                    ++n;
        return n;
    }

    static int enclosingCount(const std::vector<Piece>& pieces)
    {
        return int(std::count_if(pieces.begin(), pieces.end(), [](const Piece& p) { return p.root->encloses(); }));
    }

    const RootTable& table_;
    const std::string s_;
    const std::string code_;
    const int n_;
    const std::vector<QPolygonF>* centreLines_;
    const bool shapesRank_;
    const std::vector<KnownPart>* parts_;
    mutable std::map<std::pair<const Root*, std::vector<int>>, double> shapeDistances_;
    mutable std::map<std::pair<const Root*, std::vector<int>>, bool> standsClear_; // firstStandsClear, measured once
    mutable std::vector<double> placedGaps_; // n by n, -1 where not yet measured
    mutable std::map<std::tuple<const Root*, size_t, size_t>, double> ownGaps_;
    std::vector<const Root*> plainRoots_;
    std::vector<std::pair<int, int>> aloneSpans_; // strokes [from, to) drawn as a root typed only alone
    std::vector<Piece> pieces_;
    int completions_ = 0; // splits found so far whose letter fits
    std::optional<Candidate> best_;
    Criterion decider_ = Criterion::OnlySplit;
    int deciderDepth_ = -1; // how deep in the ranking the closest rival fell; -1: no rival
};

// The single stroke a letter types as a root: g 一, h 丨, t 丿, y 丶, n 乙
// (犭 qttt: its hook typed as 丿).
QString strokeRoot(char letter)
{
    const char16_t stroke = wubi::singleStrokeOfLetter(letter);
    return stroke ? QString(QChar(stroke)) : QString();
}

Decomposition singleStroke(char letter)
{
    Decomposition d;
    d.kind = DecompositionKind::SingleStroke;
    d.decidedBy = Criterion::SingleStroke;
    const QString stroke = strokeRoot(letter);
    d.positions = {component({0}, stroke), component({0}, stroke), identification(), identification()};
    return d;
}

Decomposition keyName(int n, const QString& ch)
{
    Decomposition d;
    d.kind = DecompositionKind::KeyName;
    d.decidedBy = Criterion::KeyName;
    for (CodePosition& p : d.positions)
        p = component(strokeRange(0, n), ch);
    return d;
}

// The component itself, then its first, second and last single strokes.
Decomposition componentCharacter(int n, const std::string& code, const QString& ch)
{
    Decomposition d;
    d.kind = DecompositionKind::ComponentCharacter;
    d.decidedBy = Criterion::ComponentCharacter;
    d.positions[0] = component(strokeRange(0, n), ch);
    d.positions[1] = component({0}, strokeRoot(code[1]));
    d.positions[2] = component({1}, strokeRoot(code[2]));
    if (n > 2)
        d.positions[3] = component({n - 1}, strokeRoot(code[3]));
    return d;
}

bool spellsComponentCharacter(const std::string& code, const std::string& s)
{
    return s.size() >= 2 && !code.empty() && code == wubi::componentCharacterCode(code[0], s);
}

Decomposition fromPieces(const std::vector<Piece>& pieces, size_t codeLength)
{
    Decomposition d;
    d.kind = DecompositionKind::Roots;
    const bool identified = pieces.size() + 1 == codeLength;
    for (size_t k = 0; k < 3 && k < pieces.size(); ++k)
        d.positions[k] = component(pieces[k].strokes, pieces[k].root->name());
    if (identified)
        d.positions[codeLength - 1] = identification();
    else
        d.positions[3] = component(pieces.back().strokes, pieces.back().root->name());
    return d;
}

} // namespace

const std::vector<CriterionInfo>& criteria()
{
    static const std::vector<CriterionInfo> all{
        {Criterion::SingleStroke, RankScope::None, "单笔画", "a single stroke is typed as its key twice and ll", "一 丨 丿 丶 乙"},
        {Criterion::KeyName, RankScope::None, "键名字", "the character that names its key is typed as the key four times", "王 土 口"},
        {Criterion::ComponentCharacter, RankScope::None, "成字字根",
         "a root that is a character is typed as its key, then its first, second and last strokes", "五 八 犭"},
        {Criterion::Exception, RankScope::None, "例外", "split by hand in the reviewed exception table", "年 噩"},
        {Criterion::OnlySplit, RankScope::None, "唯一拆法", "only one split of the strokes fits the code", "中 你"},
        {Criterion::Identification, RankScope::Split, "末笔识别码",
         "the identification letter names the class of the last stroke (of the part a frame or 辶 carries)",
         "边 迪"},
        {Criterion::DrawnAsItself, RankScope::Split, "兼顾直观", "each root looks like its own drawing where it stands", "带 帝 僉 冰"},
        {Criterion::PartKeptWhole, RankScope::Split, "兼顾直观",
         "a part that is a character of its own splits as that character does", "拌 袋 镁"},
        {Criterion::PartsApart, RankScope::Split, "能散不连",
         "no root joins the end of one part (a root typed whole only alone, or before a part that is a character) "
         "with the next",
         "堡 琢"},
        {Criterion::FrameHoldsMore, RankScope::Position, "取大优先", "of two frames from the same stroke, the one holding more", "斌 惑"},
        {Criterion::LargerFirst, RankScope::Position, "取大优先", "the larger root first, position by position", "班 赢"},
        {Criterion::FrameAroundUncoded, RankScope::Position, "兼顾直观",
         "a frame round its uncoded contents before a cut of that frame over as many strokes", "榘"},
        {Criterion::FewerFrames, RankScope::Split, "能连不交", "fewer roots written around or through others", "拣 练"},
        {Criterion::CloserDrawing, RankScope::Position, "兼顾直观",
         "where two rows of one key fit the same strokes, the one whose own drawing they look more like",
         "青 表 (龶), 主 弄 (王)"},
        {Criterion::TieNumber, RankScope::Position, "表序",
         "nothing else tells the splits apart: where both place the same strokes, the root whose row states the "
         "smaller tie number (roots.tsv's last column)",
         "从 众 (人 before 八)"},
    };
    return all;
}

const CriterionInfo& criterionInfo(Criterion id)
{
    static const CriterionInfo none{Criterion::None, RankScope::None, "", "", ""};
    for (const CriterionInfo& c : criteria())
        if (c.id == id)
            return c;
    return none;
}

bool identificationFits(char letter, char strokeClass)
{
    return letter != 0 && identification::fits(letter, strokeClass);
}

Decomposition decompose(const RootTable& roots, const QString& ch, const QString& fullCode, const QString& classes,
                        const std::vector<QPolygonF>* centreLines, const std::vector<KnownPart>* parts)
{
    const std::string code = fullCode.toStdString();
    const std::string s = classes.toStdString();
    const int n = int(s.size());
    Decomposition failed;
    const bool wellFormed = (code.size() == 3 || code.size() == 4)
        && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'y'; })
        && n > 0 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '1' && c <= '5'; });
    if (!wellFormed) {
        failed.reason = QStringLiteral("full code \"%1\" or stroke classes \"%2\" malformed").arg(fullCode, classes);
        return failed;
    }
    if (n == 1 && wubi::endsAsSingleStroke(code))
        return singleStroke(code[0]);
    if (code == wubi::keyNameCode(code[0]))
        return keyName(n, ch);
    const bool spelled = spellsComponentCharacter(code, s);
    if (spelled && roots.hasGlyph(ch, code[0]))
        return componentCharacter(n, code, ch);
    // Roots drawn as themselves first; where no split has that, any split the classes allow.
    const bool withShapes = centreLines && int(centreLines->size()) == n;
    for (bool shapesRank : {false, true}) {
        if (shapesRank && !withShapes)
            continue;
        RootSearch search(roots, s, code, {withShapes ? centreLines : nullptr, parts}, {shapesRank});
        if (const auto pieces = search.run()) {
            Decomposition d = fromPieces(*pieces, code.size());
            d.classesOnly = shapesRank;
            d.decidedBy = search.decidedBy();
            // The only split whose roots look like themselves, where the
            // classes alone would choose another: the shapes decided.
            if (d.decidedBy == Criterion::OnlySplit && withShapes && !shapesRank) {
                const auto blind = RootSearch(roots, s, code, {nullptr, parts}, {false}).run();
                if (blind && fromPieces(*blind, code.size()).positions != d.positions)
                    d.decidedBy = Criterion::DrawnAsItself;
            }
            return d;
        }
    }
    // A root of the table whose code names its strokes by other letters than
    // their classes (犭 qttt: the 98 layout reads its hook as 丿).
    const bool componentLength = n >= 2 && code.size() == wubi::componentCharacterCodeLength(size_t(n));
    if (spelled || (componentLength && roots.hasGlyph(ch, code[0])))
        return componentCharacter(n, code, ch);
    failed.reason = QStringLiteral("no split of strokes %1 into roots fits %2").arg(classes, fullCode);
    return failed;
}

}
