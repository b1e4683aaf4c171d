#pragma once
#include "tools/pictures/decomposer.h"

#include <QHash>
#include <QPolygonF>
#include <QString>
#include <vector>

namespace lumbrell::data {

// Shape distance within which the last (or first) strokes of a character are
// taken for another character written there (拌's last five strokes for 半).
constexpr double KnownPartShapeLimit = 0.10;

// The characters whose own split may guide the split of the characters they
// end or begin: split from their roots, on roots that look like themselves, of four
// strokes and more (fewer match by chance).
// Whether every coded position of a split that reaches into the part is one
// of the part's pieces typed with the part's key for it (true where the part
// names no keys).
bool keysAgree(const KnownPart& part, const Decomposition& split, const QString& fullCode);

// Which of a known character's keys bind the characters it guides: the first
// only (a character beginning with it types that part's first root first),
// or every one (keysAgree).
enum class PartKeys { First, All };

class KnownParts {
public:
    // fullCode, where given, is the character's own code: its first key binds
    // the characters beginning with this one, and with PartKeys::All its keys
    // bind the pieces of those ending in it (keysAgree).
    void add(const QString& classes, const std::vector<QPolygonF>& centreLines, const Decomposition& split,
             const QString& fullCode = {}, PartKeys keys = PartKeys::All);

    // The longest run of last strokes (two strokes or more before it) that is one
    // of the known characters drawn alike, nearest in shape, with that
    // character's components renumbered into this one; empty where none is.
    std::vector<KnownPart> endingOf(const QString& classes, const std::vector<QPolygonF>& centreLines) const;
    // The same for the first strokes (one stroke or more after them) of a
    // character whose code begins with firstKey, among the known characters
    // whose own code begins with it too (or is not given): 悲 hdhn begins
    // with 非 hdhd and takes it as 丨 三 丨, as 非 does, before its 心; 貝
    // drawn like 吴 guides nothing in 貹 mtgg.
    std::vector<KnownPart> beginningOf(const QString& classes, const std::vector<QPolygonF>& centreLines,
                                       char firstKey) const;

private:
    // The known character drawn alike in strokes [from, to), nearest in
    // shape, with its components renumbered; none where no entry is near.
    // firstKey, where not 0, must be the known character's first key.
    std::vector<KnownPart> partAt(const QString& classes, const std::vector<QPolygonF>& centreLines, int from,
                                  int to, char firstKey = 0) const;

    struct Entry {
        std::vector<QPolygonF> centreLines;
        std::vector<std::vector<int>> pieces;
        std::vector<char> keys;
        char firstKey = 0; // its own code's first letter, where given
    };
    QHash<QString, std::vector<Entry>> byClasses_;
};

}
