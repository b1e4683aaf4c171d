#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace lumbrell {

// A character's drawing as read for a screen, and the files that were there
// to be read but could not be used.
struct CharacterDrawing {
    // Null when no drawing could be read. Its device pixel ratio is the scale
    // of the file it came from (1 or 2), so it covers the same logical size
    // either way.
    QImage image;
    QStringList unusable;
};

// The character drawings of the data folder's bmp/ (formats/drawing_scale.h).
class DrawingStore {
public:
    explicit DrawingStore(QString folder = {}) : folder_(std::move(folder)) {}

    // On a screen whose device pixel ratio is above 1 the 2× file is taken
    // when it is there and exactly twice the size of the 1× file; otherwise,
    // or when it cannot be read, the 1× file. Only plain files are read (a
    // pipe in their place would hold the window up). A 1× file that is missing
    // or unreadable, and a 2× file that is there but unreadable or of the
    // wrong size, are listed as unusable.
    CharacterDrawing drawingOf(const QString& character, qreal devicePixelRatio) const;

private:
    QString folder_;
};

} // namespace lumbrell
