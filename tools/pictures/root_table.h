#pragma once
#include <QPolygonF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace lumbrell::data {

// One Wubi 98 component (root): its key and its strokes' classes in writing
// order. A root written around what it holds (囗, 匚, 戈 …) has its classes
// split into the strokes written before the contents (head) and after them
// (tail). A root written last, after the part it carries (辶, 廴), leaves the
// identification letter to that part's last stroke.
struct Root {
    QString glyph;
    char key = 0;
    std::string head; // all classes of a plain root
    std::string tail; // empty unless the root encloses
    bool writtenLast = false;
    // Its strokes before the '|' fill the contents of the root written around
    // them just before it, the ones after follow that root's closing strokes:
    // 兆's four dots and ticks, crossed by 儿's hook (兆 qii: 儿 is strokes 1
    // and 4, this root 2, 3, 5 and 6).
    bool crossed = false;
    // Written around nothing but the first part of a crossed root (儿 in 兆).
    bool crosses = false;
    // Typed only as the character of its own; in other characters its strokes
    // are other roots (犭 is ⺨ and 丿 in 狗, 猪, 黎).
    bool alone = false;
    // A part named only by the reviewed exception table: no split searches with it.
    bool exceptionOnly = false;
    // The character whose writing of the root this is, where it has a stroke
    // order or a cut of its own (干 as 半 writes it); empty for the usual form.
    QString form;
    std::vector<QPolygonF> shape; // centre lines of the root's own drawing, where there is one
    // A root that is no character of its own borrows its shape from a
    // character in which it stands alone: that character and its strokes (0-based).
    QString shapeFrom;
    std::vector<int> shapeStrokes;
    // Where rows of one key have the same strokes (人 and 八, 木 and 木
    // written around others), the one that wins when nothing else tells two
    // splits apart: the smaller number; 0 for a row no other row matches.
    int tie = 0;

    bool usualForm() const { return form.isEmpty(); }
    // Whether splits may place it (roots typed only alone or named only by
    // exceptions may not).
    bool searched() const { return !alone && !exceptionOnly; }
    // The root's name in reports: 干, or 干(半) for 干 as 半 writes it.
    QString name() const { return usualForm() ? glyph : glyph + u'(' + form + u')'; }
    bool encloses() const { return !tail.empty() && !crossed; }
    int strokeCount() const { return int(head.size() + tail.size()); }
};

// The reviewed table of components, read from its text form: one root per
// line in eight columns, "root TAB key TAB classes TAB order TAB use TAB form
// TAB shape TAB tie" (roots.tsv describes them; "-" for an empty column; a
// seven-column row has no tie number), classes as
// digits 1..5 with one '|' where an enclosing root's contents go; '#' starts
// a comment. Rows in the older form "root TAB key TAB classes [TAB
// last|alone] [TAB like CHAR:n,n,...]", with "X(Y)" for root X in Y's form,
// read the same. Rows of one key with the same classes (the '|' aside) that
// splits may use must state distinct tie numbers, so no tie between them
// falls to the order of the lines.
class RootTable {
public:
    // The key lists point into the table's own roots: a move keeps them
    // valid, a copy would leave them pointing into the original.
    RootTable() = default;
    RootTable(const RootTable&) = delete;
    RootTable& operator=(const RootTable&) = delete;
    RootTable(RootTable&&) = default;
    RootTable& operator=(RootTable&&) = default;

    bool parse(const QString& text, QString* error);
    // The table kept with the data tools (a resource of this library).
    bool loadBuiltIn(QString* error);

    const std::vector<Root>& roots() const { return roots_; }
    // The roots of a key that splits may use (none typed alone or named only by exceptions).
    const std::vector<const Root*>& rootsOfKey(char key) const;
    // Gives each root whose glyph (or the character it is like) the lookup can
    // draw its shape, where the stroke counts agree; a root in another
    // character's form has only a borrowed shape.
    void attachShapes(const std::function<std::vector<QPolygonF>(const QString& glyph)>& centreLines);
    // Whether some root in its usual form with this glyph sits on key
    // (characters that are components); parts named only by exceptions are none.
    bool hasGlyph(const QString& glyph, char key) const;
    // The rows of this name (Root::name) on key: a name may have several
    // (艹 as 艸 writes it, in the classes of each stroke order).
    std::vector<const Root*> named(const QString& name, char key) const;

private:
    // Whether rows of one key with the same strokes state distinct tie numbers.
    bool tiesStated(QString* error) const;

    std::vector<Root> roots_;
    std::vector<int> lines_; // each root's line in the text
    std::vector<std::vector<const Root*>> byKey_ = std::vector<std::vector<const Root*>>(26);
};

}
