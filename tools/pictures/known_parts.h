#pragma once
#include "tools/pictures/decomposer.h"

#include <QHash>
#include <QPolygonF>
#include <QString>
#include <vector>

namespace lumbrell::data {

// Shape distance within which the last strokes of a character are taken for
// another character written there (拌's last five strokes for 半).
constexpr double KnownPartShapeLimit = 0.10;

// The characters whose own split may guide the split of the characters they
// end: split from their roots, on roots that look like themselves, of four
// strokes and more (fewer match by chance).
// Whether every coded position of a split that reaches into the part is one
// of the part's pieces typed with the part's key for it (true where the part
// names no keys).
bool keysAgree(const KnownPart& part, const Decomposition& split, const QString& fullCode);

class KnownParts {
public:
    // fullCode, where given, is the code whose keys the characters ending in
    // this one must type its pieces with (keysAgree).
    void add(const QString& classes, const std::vector<QPolygonF>& centreLines, const Decomposition& split,
             const QString& fullCode = {});

    // The longest run of last strokes (two strokes or more before it) that is one
    // of the known characters drawn alike, nearest in shape, with that
    // character's components renumbered into this one; empty where none is.
    std::vector<KnownPart> endingOf(const QString& classes, const std::vector<QPolygonF>& centreLines) const;

private:
    struct Entry {
        std::vector<QPolygonF> centreLines;
        std::vector<std::vector<int>> pieces;
        std::vector<char> keys;
    };
    QHash<QString, std::vector<Entry>> byClasses_;
};

}
