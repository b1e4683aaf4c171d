#pragma once
#include <QPolygonF>
#include <QString>
#include <vector>

namespace lumbrell::data {

// The class (1 横/提, 2 竖, 3 撇, 4 点/捺, 5 折) a stroke's centre line reads
// as, top-down coordinates: a sharp corner makes a turning stroke, a short
// hook after a horizontal or a 捺 too; otherwise the direction from start to
// end decides. Right for about nine strokes in ten: enough to find strokes
// written in another order, not to stand for the classes.
char strokeClassOfLine(const QPolygonF& centreLine);

// How likely a stroke written as one class ('1'..'5') reads as another by
// strokeClassOfLine, as a natural logarithm (0 for certain).
double readingLogOdds(char written, char read);

// Where the drawing has each stroke of the stroke-order source: index i of the
// result is the drawing's number (0-based) of the source's stroke i. The two
// orders differ for a few dozen characters (冉: the drawing closes 冂 after
// its 丨; 燮: 火 before 言, while the code, like the source, takes 言 first);
// where moving one run of strokes past the next makes the drawing's centre
// lines read far better, that move is the answer. Otherwise, or when the
// counts differ, each stroke keeps its number.
std::vector<int> strokesInDrawing(const QString& classes, const std::vector<QPolygonF>& centreLines);

// The classes of a drawing that has one stroke more than the stroke-order
// source (皙: the source lacks 白's 丿; 蒼: the drawing writes 艹 in four
// strokes): each place and class of the missing stroke, the ones that make
// the drawing's centre lines read best first, at most `count` of them. Empty
// when the drawing does not have exactly one stroke more.
std::vector<QString> classesWithMissingStroke(const QString& classes, const std::vector<QPolygonF>& centreLines,
                                              int count);

// The classes of a drawing that has one stroke fewer than the stroke-order
// source (龍 in 嚨: the source gives it a stroke the drawing joins into the
// next): the source's classes less one stroke, the ones that make the
// drawing's centre lines read best first, at most `count` of them. Empty when
// the drawing does not have exactly one stroke fewer.
std::vector<QString> classesWithoutExtraStroke(const QString& classes, const std::vector<QPolygonF>& centreLines,
                                               int count);

// The classes with one stroke's class replaced by what the drawing's centre
// line reads as, one variant per stroke where the two disagree, in stroke
// order: the candidates for a character whose classes no split explains
// (德: the source gives 十's 丨 as a 撇).
std::vector<QString> classesReadOtherwise(const QString& classes, const std::vector<QPolygonF>& centreLines);

}
