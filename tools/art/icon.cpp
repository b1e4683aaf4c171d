#include "tools/art/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace lumbrell::art_tool {
namespace {

// The sixteen colours of the classic VGA palette.
const QList<QRgb> Vga16 = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

// One book lying flat: coloured cover with its white page edges to the right.
void drawBook(QPainter& painter, int left, int top, int width, QColor cover)
{
    painter.setPen(Qt::black);
    painter.setBrush(cover);
    painter.drawRect(left, top, width, 5);
    painter.setBrush(Qt::white);
    painter.drawRect(left + width - 6, top + 1, 5, 3);
    painter.setPen(QColor(192, 192, 192));
    painter.drawLine(left + width - 5, top + 2, left + width - 2, top + 2);
}

} // namespace

QImage drawIcon()
{
    // The top-left pixel's colour (magenta) is the icon's transparent colour.
    QImage colour(32, 32, QImage::Format_RGB32);
    colour.fill(QColor(255, 0, 255));
    QPainter painter(&colour);

    drawBook(painter, 2, 25, 24, QColor(0, 0, 128));
    drawBook(painter, 4, 19, 22, QColor(128, 0, 0));
    drawBook(painter, 1, 13, 23, QColor(0, 128, 0));
    drawBook(painter, 5, 7, 19, QColor(128, 128, 0));

    // The magnifying glass over the top right of the stack.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(128, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(26, 20, 30, 29);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(0, 255, 255));
    painter.drawEllipse(QPoint(23, 11), 7, 7);
    painter.setPen(Qt::white);
    painter.drawLine(20, 8, 22, 6);
    painter.end();

    return colour.convertToFormat(QImage::Format_Indexed8, Vga16, Qt::ThresholdDither | Qt::AvoidDither);
}

} // namespace lumbrell::art_tool
