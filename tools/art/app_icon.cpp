// The desktop icon: the window icon's stack of books under a magnifying glass,
// described once as shapes on a 32-unit square so that every pixel size and
// the scalable SVG are drawn from the same description.
#include "tools/art/pictures.h"

#include <QLineF>
#include <QPainter>
#include <QRectF>
#include <vector>

namespace lumbrell::art_tool {
namespace {

constexpr qreal Side = 32.0;

struct Shape {
    enum class Kind { Rect, Ellipse, Line };
    Kind kind;
    QRectF box;     // Rect and Ellipse
    QLineF line;    // Line
    QColor fill;    // invalid: not filled
    QColor stroke;  // invalid: no outline
    qreal strokeWidth = 0;
    qreal radius = 0; // corners of a Rect
};

// One book lying flat: its cover, the white block of its pages at the right
// end, and a grey line along the pages.
void addBook(std::vector<Shape>& shapes, qreal left, qreal top, qreal width, QColor cover)
{
    const qreal height = 5.5;
    shapes.push_back({Shape::Kind::Rect, QRectF(left, top, width, height), {}, cover, Qt::black, 0.7, 0.8});
    const QRectF pages(left + width - 6.2, top + 1.1, 5.4, height - 2.2);
    shapes.push_back({Shape::Kind::Rect, pages, {}, Qt::white, {}, 0, 0.4});
    shapes.push_back({Shape::Kind::Line, {}, QLineF(pages.left() + 0.8, pages.center().y(), pages.right() - 0.6,
                                                    pages.center().y()),
                      {}, QColor(160, 160, 160), 0.5, 0});
}

std::vector<Shape> iconShapes()
{
    std::vector<Shape> shapes;
    addBook(shapes, 2, 24.5, 25, QColor(0, 0, 128));
    addBook(shapes, 4, 19, 23, QColor(128, 0, 0));
    addBook(shapes, 1, 13.5, 23, QColor(0, 128, 0));
    addBook(shapes, 5, 8, 19, QColor(128, 128, 0));

    // The magnifying glass over the top right of the stack: handle, then lens.
    const QLineF handle(26.6, 16.4, 30.0, 28.5);
    shapes.push_back({Shape::Kind::Line, {}, handle, {}, Qt::black, 4.2, 0});
    shapes.push_back({Shape::Kind::Line, {}, handle, {}, QColor(128, 0, 0), 2.6, 0});
    shapes.push_back({Shape::Kind::Ellipse, QRectF(15.5, 3.5, 14, 14), {}, QColor(0, 255, 255, 200), Qt::black, 1.6, 0});
    shapes.push_back({Shape::Kind::Line, {}, QLineF(18.6, 8.6, 20.8, 6.4), {}, Qt::white, 1.2, 0});
    return shapes;
}

QString svgColour(const QColor& colour)
{
    return colour.isValid() ? colour.name(QColor::HexRgb) : QStringLiteral("none");
}

QString number(qreal value)
{
    return QString::number(value, 'g', 6);
}

QString svgPaint(const Shape& shape)
{
    QString paint = QStringLiteral(" fill=\"%1\"").arg(svgColour(shape.fill));
    if (shape.fill.isValid() && shape.fill.alpha() != 255)
        paint += QStringLiteral(" fill-opacity=\"%1\"").arg(number(shape.fill.alphaF()));
    if (shape.stroke.isValid())
        paint += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\"")
                     .arg(svgColour(shape.stroke), number(shape.strokeWidth));
    return paint;
}

} // namespace

QImage drawAppIcon(int pixelSize)
{
    QImage image(pixelSize, pixelSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixelSize / Side, pixelSize / Side);
    for (const Shape& shape : iconShapes()) {
        painter.setBrush(shape.fill.isValid() ? QBrush(shape.fill) : QBrush(Qt::NoBrush));
        painter.setPen(shape.stroke.isValid() ? QPen(shape.stroke, shape.strokeWidth, Qt::SolidLine, Qt::RoundCap)
                                              : QPen(Qt::NoPen));
        switch (shape.kind) {
        case Shape::Kind::Rect:
            painter.drawRoundedRect(shape.box, shape.radius, shape.radius);
            break;
        case Shape::Kind::Ellipse:
            painter.drawEllipse(shape.box);
            break;
        case Shape::Kind::Line:
            painter.drawLine(shape.line);
            break;
        }
    }
    return image;
}

QString appIconSvg()
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(number(Side));
    for (const Shape& shape : iconShapes()) {
        switch (shape.kind) {
        case Shape::Kind::Rect:
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
                       .arg(number(shape.box.x()), number(shape.box.y()), number(shape.box.width()),
                            number(shape.box.height()), number(shape.radius), svgPaint(shape));
            break;
        case Shape::Kind::Ellipse:
            svg += QStringLiteral("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"%5/>\n")
                       .arg(number(shape.box.center().x()), number(shape.box.center().y()),
                            number(shape.box.width() / 2), number(shape.box.height() / 2), svgPaint(shape));
            break;
        case Shape::Kind::Line:
            svg += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5/>\n")
                       .arg(number(shape.line.x1()), number(shape.line.y1()), number(shape.line.x2()),
                            number(shape.line.y2()), svgPaint(shape));
            break;
        }
    }
    return svg + QStringLiteral("</svg>\n");
}

} // namespace lumbrell::art_tool
