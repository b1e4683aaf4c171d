#pragma once
// The decomposition engine: splits a character into the components its
// Wubi 98 full code names.
//
// Glossary, in the words a Wubi 98 teacher uses:
// - 码元 (字根 in the 86 edition): a component, the unit a key types; a
//   character is typed as the 码元 it is written with, in writing order. The
//   engine calls them roots (roots.tsv, Root).
// - 键名字 (key-name character): the character that names its key (王 on g,
//   土 on f, 口 on k): typed as its key four times (王 gggg).
// - 成字字根 / 成字码元 (component character): a 码元 that is a character of
//   its own, not a key name: typed as its key, then its first, second and last
//   single strokes (五 gghg, 八 wty).
// - 单笔画 (single stroke): 一 丨 丿 丶 乙, typed as key, key, "ll" (一 ggll).
// - 末笔识别码 (identification code, 末笔字型识别码): a character of fewer
//   than four 码元 gets one more letter from the class of its last stroke
//   (横 1, 竖 2, 撇 3, 点 4, 折 5) and its structure (left-right, top-bottom,
//   mixed): 1 → g f d, 2 → h j k, 3 → t r e, 4 → y u i, 5 → n b v. The last
//   stroke is that of the part inside a frame written last (困: 木's 丶, i)
//   or before a 辶 or 廴 (边: 力's 丿, e).
// - 取大优先 (the larger root first): of two splits, the one whose first
//   码元 takes more strokes wins, then the second, and so on (班: 王 whole,
//   not 一 and the rest).
// - 能散不连 (separate rather than connected): where parts stand apart, no
//   码元 joins the end of one with the start of the next (狴: 犭's 丿 ends
//   with 犭, it does not join 比's 一 into 𠂉).
// - 能连不交 (connected rather than crossing): a split into 码元 that touch
//   wins over one whose 码元 are written around or through each other.
// - 兼顾直观 (as the eye sees it): a 码元 must look like itself where it is
//   drawn, and a part that is a character of its own keeps the split it has
//   alone (拌 takes 半 as 半 splits itself).
// - 识别码 letters and the coded positions: a full code of three letters is
//   two 码元 and an identification letter (or a 成字字根 of two strokes); of
//   four, three 码元 and an identification letter, or the first three 码元
//   and the last one, the ones between them not typed.
// - 龶 and 王 (青头 and 王旁): one key, the same strokes; 龶 is 王 whose
//   upright runs up through its top stroke (青 表 毒), and which root a
//   position names is the one its strokes look more like (主 and 弄 keep 王).
// - 表序 (table order): where two rows of one key fit the same strokes (人
//   and 八 in 从), the tie number each row states decides, never the order
//   of the lines.
// - 例外 (exception): a character whose drawing, stroke order and code the
//   rules cannot make agree, split by hand in the reviewed exception table.
#include "tools/pictures/root_table.h"

#include <QPolygonF>
#include <QString>
#include <array>
#include <vector>

namespace lumbrell::data {

enum class PositionKind { Blank, Component, Identification };

// What one letter of the full code pictures: a set of the character's strokes
// (0-based, writing order), the identification letter, or nothing.
struct CodePosition {
    PositionKind kind = PositionKind::Blank;
    std::vector<int> strokes;
    QString glyph; // the root, for reports

    // Same kind and strokes (the root's name aside).
    bool operator==(const CodePosition& o) const { return kind == o.kind && strokes == o.strokes; }
};

enum class DecompositionKind { Failed, SingleStroke, KeyName, ComponentCharacter, Roots };

// What decided a character's split: one of the kinds that take a whole
// character (单笔画, 键名字, 成字字根, an exception), or the criterion of the
// ranking that told the chosen split from its closest rival, or the absence
// of any rival.
enum class Criterion {
    None,
    SingleStroke,       // 单笔画
    KeyName,            // 键名字
    ComponentCharacter, // 成字字根
    Exception,          // 例外
    OnlySplit,          // no other split fits the code
    Identification,     // 末笔识别码: the letter names the class of the last stroke
    DrawnAsItself,      // 兼顾直观: each root looks like its own drawing
    PartKeptWhole,      // 兼顾直观: a part that is a character splits as that character does
    PartsApart,         // 能散不连: no root joins the end of one part with the next
    FrameHoldsMore,     // 取大优先: of two frames from the same stroke, the one holding more
    LargerFirst,        // 取大优先: the larger root first, position by position
    FrameAroundUncoded, // 兼顾直观: a frame round its contents before a cut of that frame
    FewerFrames,        // 能连不交: fewer roots written around others
    CloserDrawing,      // 兼顾直观: of two rows of one key on the same strokes, the one they look more like
    TieNumber,          // nothing else tells them apart: the row with the smaller tie number
};

// Where a criterion of the ranking compares: whole splits, or the pieces of
// two splits at the same position (a run of these goes position by position,
// each position through the whole run before the next). The kinds that take
// a whole character rank nothing.
enum class RankScope { None, Split, Position };

struct CriterionInfo {
    Criterion id;
    RankScope scope;
    const char* wubiName; // the rule's name in Wubi 98 teaching
    const char* rule;     // what it compares, in one line
    const char* examples; // characters it decides
};

// Every criterion, the whole-character kinds first, then the ranking of
// candidate splits in the order it is applied (the criteria with a scope),
// the last of which is the roots' stated tie numbers.
const std::vector<CriterionInfo>& criteria();
const CriterionInfo& criterionInfo(Criterion id);

struct Decomposition {
    DecompositionKind kind = DecompositionKind::Failed;
    std::array<CodePosition, 4> positions;
    QString reason; // why it failed
    bool classesOnly = false; // no split had roots that look like their drawings
    Criterion decidedBy = Criterion::None;

    bool ok() const { return kind != DecompositionKind::Failed; }
};

// Whether an identification letter names a last stroke of this class (1..5).
bool identificationFits(char letter, char strokeClass);

// Strokes placed as a root must look like the root's own drawing (where the
// table has one) within this shape distance.
constexpr double RootShapeLimit = 0.25;

// Splits a character into the Wubi 98 components its full code names.
// classes: one digit 1..5 per stroke in writing order; centreLines, when
// given, one line per stroke, lets the shapes of the roots rule out splits
// whose strokes merely share the classes of a root; where no split has every
// root looking like itself, the one with the fewest that do not wins.
// A part of the character that is a character of its own, and how that
// character splits: strokes [from, to) and its components' strokes (offset to
// this character's numbering).
struct KnownPart {
    int from = 0;
    int to = 0;
    std::vector<std::vector<int>> pieces;
    // The key each piece is typed with, where the guide asks the character
    // to type the part's coded pieces with the same keys; else empty.
    std::vector<char> keys;
};

Decomposition decompose(const RootTable& roots, const QString& ch, const QString& fullCode, const QString& classes,
                        const std::vector<QPolygonF>* centreLines = nullptr,
                        const std::vector<KnownPart>* parts = nullptr);

}
