#pragma once

#include <QChar>
#include <QString>

namespace lumbrell {

// The index (0 … 15) of the identification diagram for a code letter: the
// letters g f d h j k t r e y u i n b v of the identification table and l of
// the fixed rule for the five single strokes. -1 for any other character,
// upper-case letters included.
int identificationIndex(QChar letter);

// What the picture of a code position shows, in words for its tooltip: the
// root (码元) it blackens and its key, "码元 山 (M)"; for an identification
// letter, the words of its diagram, "识别码 杂合型，最后一笔为横 (D)". Empty
// for a position that names nothing ("-", or a letter of no diagram).
QString positionWords(const QString& root, QChar letter);

} // namespace lumbrell
