#pragma once
#include "tools/pictures/decomposer.h"
#include "tools/pictures/root_table.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>

namespace lumbrell::data {

// A character whose drawing, stroke order and code the rules cannot make
// agree, split by hand: its full code, the classes of its strokes in the
// drawing's order, what each code position marks (strokes numbered in the
// drawing, with the root they are) and why.
struct Exception {
    QString ch;
    QString fullCode;
    QString classes;
    std::array<CodePosition, 4> positions; // glyph: the root's name in the root table
    QString reason;
};

// The reviewed exception table, read from its text form: one character per
// line, "character TAB full code TAB classes TAB position 1 … position 4 TAB
// reason", a position being "strokes root" ("1,2 𠂉", strokes 1-based),
// "id" for the identification letter or "-" for none; '#' starts a comment.
// A position lists its strokes in the order its root writes them.
class ExceptionTable {
public:
    bool parse(const QString& text, QString* error);
    // The table kept with the data tools (a resource of this library).
    bool loadBuiltIn(QString* error);

    const Exception* find(const QString& ch) const;
    const std::vector<Exception>& exceptions() const { return exceptions_; }

private:
    std::vector<Exception> exceptions_;
    QHash<QString, size_t> index_;
};

// What is wrong with an exception, one message each; empty when it adds up
// and fits its code. Its strokes add up to the character: no stroke in two
// positions (but where the last positions, from the third on, are single
// strokes filling out the code of a component form, as 衤 puyy is ⺭ 丷 and
// then two of its 丶 again); with an identification letter every stroke in one; with four
// coded roots, the strokes no position holds are uncoded roots after the
// third root's first stroke. It fits its code: each coded position's root
// sits on the code's letter there and has the classes of its strokes, listed
// in the order the root writes them (a frame's head, then its tail); the
// identification letter names the class of the last stroke so listed of the
// last coded root; and the code is the character's own.
QStringList exceptionProblems(const Exception& e, const RootTable& roots, const QString& ownFullCode);

// The split an exception gives.
Decomposition fromException(const Exception& e);

}
