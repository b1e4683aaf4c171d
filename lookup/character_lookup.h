#pragma once

#include "lookup/lookup_plan.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

namespace lumbrell {

class Dictionary;
class DrawingStore;
class PositionRoots;

// The lookup of one character, with everything the window shows of it.
struct CharacterLookup {
    enum class Outcome {
        None,       // nothing looked up yet
        Found,      // a record: plan and drawing say what to show
        NotFound,   // a Chinese character without a record
        NotChinese, // something that is no Chinese character at all
    };
    Outcome outcome = Outcome::None;
    QString character; // the first character of the text looked up
    LookupPlan plan;   // Found: the code line and what each position shows
    QImage drawing;    // the drawing the Drawing positions are marked on; null when unread
    // The drawing is shown, but none of its components is marked: the
    // character has not been split yet.
    bool unsplit = false;
    // Drawing files that are there but cannot be used, or that the record's
    // fill points need and that are missing: a fault of the installed data.
    QStringList unusableDrawings;
    // Found: what each position's picture shows, in words for its tooltip
    // (lookup/identification.h); empty where the data names no roots for it.
    std::array<QString, 4> positionWords;
};

// Looks up the first character of text: its record, its plan, the words of
// its positions' roots, and the drawing for a screen of the given device
// pixel ratio.
CharacterLookup lookUpCharacter(const Dictionary& dictionary, const DrawingStore& drawings,
                                const PositionRoots& roots, QStringView text, qreal devicePixelRatio);

} // namespace lumbrell
