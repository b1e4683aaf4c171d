#pragma once
#include <QImage>
#include <QPoint>
#include <vector>

namespace lumbrell::data {

// How well the program's surface fills at the seeds mark one component.
struct MarkingScore {
    int componentPixels = 0;
    int blackened = 0;
    int blackenedInside = 0;

    double coverage() const { return componentPixels ? double(blackenedInside) / componentPixels : 1.0; }
    double outside() const { return blackened ? double(blackened - blackenedInside) / blackened : 0.0; }
    bool good() const { return coverage() >= 0.97 && outside() <= 0.01; }
};

// Fills the drawing in black at each seed, as the lookup does, and compares
// the black pixels with the component's own (mask pixels not 0).
MarkingScore measureMarking(const QImage& drawing, const std::vector<QPoint>& seeds, const QImage& componentMask);

}
