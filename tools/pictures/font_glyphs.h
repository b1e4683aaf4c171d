#pragma once
#include <QPainterPath>
#include <QString>
#include <memory>
#include <mutex>
#include <vector>

namespace lumbrell::data {

// A font file whose glyph outlines may be cut into strokes.
struct FontFile {
    QString name; // how the report names it ("AR PL UKai")
    QString path; // the TrueType file or collection
    int face = 0; // the face within a collection
    // How much a drawing cut from the face shrinks about the square's centre
    // so its characters stand as large as the Kai face's (a Ming face fills
    // more of its em). The cut itself reads the glyph at its own size.
    double drawingScale = 1.0;
};

// The Kai face first: its glyphs look like hanzi-writer-data's drawings; then
// the Ming faces, UMing and last Noto Serif CJK, which has every character.
std::vector<FontFile> defaultDrawingFonts();

// The font files open for reading glyph outlines; safe to use from several threads.
class FontGlyphs {
public:
    FontGlyphs();
    ~FontGlyphs();
    FontGlyphs(const FontGlyphs&) = delete;
    FontGlyphs& operator=(const FontGlyphs&) = delete;

    // Opens every file; false with *error naming the first that cannot be read.
    bool open(const std::vector<FontFile>& fonts, QString* error);

    // The glyph of the code point in the first font that has it, in the top-down
    // 1024-unit square of the stroke outlines (font units scaled to 1024 a em,
    // the baseline at y = 900), with the font's index; -1 when none has it.
    int glyph(char32_t codePoint, QPainterPath& outline) const;

    // The glyph from one given font; empty when it lacks it.
    QPainterPath glyphFrom(size_t font, char32_t codePoint) const;

    const std::vector<FontFile>& fonts() const { return fonts_; }

private:
    struct Faces;
    std::unique_ptr<Faces> faces_;
    std::vector<FontFile> fonts_;
    mutable std::mutex mutex_; // FreeType faces are not shared between threads
};

}
