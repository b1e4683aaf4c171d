#include "tools/pictures/font_glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

namespace lumbrell::data {
namespace {

constexpr double SquareUnits = 1024.0;
constexpr double Baseline = 900.0; // where the stroke outlines put y = 0 of the font
// The Ming faces' characters span some 890 of the square where the Kai
// face's span some 760 (国 laid over 国).
constexpr double MingScale = 0.85;

struct Scaled {
    QPainterPath* path;
    double scale;
    QPointF at(const FT_Vector* v) const { return {v->x * scale, Baseline - v->y * scale}; }
};

int moveTo(const FT_Vector* to, void* user)
{
    auto* s = static_cast<Scaled*>(user);
    s->path->closeSubpath();
    s->path->moveTo(s->at(to));
    return 0;
}

int lineTo(const FT_Vector* to, void* user)
{
    auto* s = static_cast<Scaled*>(user);
    s->path->lineTo(s->at(to));
    return 0;
}

int conicTo(const FT_Vector* control, const FT_Vector* to, void* user)
{
    auto* s = static_cast<Scaled*>(user);
    s->path->quadTo(s->at(control), s->at(to));
    return 0;
}

int cubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user)
{
    auto* s = static_cast<Scaled*>(user);
    s->path->cubicTo(s->at(c1), s->at(c2), s->at(to));
    return 0;
}

} // namespace

std::vector<FontFile> defaultDrawingFonts()
{
    return {{QStringLiteral("AR PL UKai"), QStringLiteral("/usr/share/fonts/truetype/arphic/ukai.ttc"), 0},
            {QStringLiteral("AR PL UMing"), QStringLiteral("/usr/share/fonts/truetype/arphic/uming.ttc"), 0, MingScale},
            // The one face that has every character; its Simplified Chinese face (2 in the collection).
            {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc"), 2,
             MingScale}};
}

struct FontGlyphs::Faces {
    FT_Library library = nullptr;
    std::vector<FT_Face> faces;
    ~Faces()
    {
        for (FT_Face f : faces)
            FT_Done_Face(f);
        if (library)
            FT_Done_FreeType(library);
    }
};

FontGlyphs::FontGlyphs() : faces_(std::make_unique<Faces>()) {}
FontGlyphs::~FontGlyphs() = default;

bool FontGlyphs::open(const std::vector<FontFile>& fonts, QString* error)
{
    if (!faces_->library && FT_Init_FreeType(&faces_->library) != 0) {
        *error = QStringLiteral("FreeType cannot be started");
        return false;
    }
    for (const FontFile& font : fonts) {
        FT_Face face = nullptr;
        if (FT_New_Face(faces_->library, font.path.toLocal8Bit().constData(), font.face, &face) != 0) {
            *error = QStringLiteral("%1: cannot be read as a font (%2)").arg(font.path, font.name);
            return false;
        }
        faces_->faces.push_back(face);
        fonts_.push_back(font);
    }
    return true;
}

QPainterPath FontGlyphs::glyphFrom(size_t font, char32_t codePoint) const
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (font >= faces_->faces.size())
        return path;
    std::lock_guard lock(mutex_);
    FT_Face face = faces_->faces[font];
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0
        || face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return path;
    Scaled scaled{&path, SquareUnits / face->units_per_EM};
    FT_Outline_Funcs funcs{};
    funcs.move_to = moveTo;
    funcs.line_to = lineTo;
    funcs.conic_to = conicTo;
    funcs.cubic_to = cubicTo;
    if (FT_Outline_Decompose(&face->glyph->outline, &funcs, &scaled) != 0)
        return QPainterPath();
    path.closeSubpath();
    return path;
}

int FontGlyphs::glyph(char32_t codePoint, QPainterPath& outline) const
{
    for (size_t f = 0; f < faces_->faces.size(); ++f) {
        outline = glyphFrom(f, codePoint);
        if (!outline.isEmpty())
            return int(f);
    }
    return -1;
}

}
