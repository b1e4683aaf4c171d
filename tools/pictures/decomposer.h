#pragma once
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
};

enum class DecompositionKind { Failed, SingleStroke, KeyName, ComponentCharacter, Roots };

struct Decomposition {
    DecompositionKind kind = DecompositionKind::Failed;
    std::array<CodePosition, 4> positions;
    QString reason; // why it failed
    bool classesOnly = false; // no split had roots that look like their drawings

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
};

Decomposition decompose(const RootTable& roots, const QString& ch, const QString& fullCode, const QString& classes,
                        const std::vector<QPolygonF>* centreLines = nullptr,
                        const std::vector<KnownPart>* parts = nullptr);

}
