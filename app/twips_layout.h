#pragma once

#include "formats/twips.h"

#include <QLabel>
#include <QString>
#include <QWidget>

namespace lumbrell {

// Gives a control its design name, by which tests and maintainers find it.
template <typename Control>
Control* named(Control* control, const QString& designName)
{
    control->setObjectName(designName);
    return control;
}

// Places a control at its rectangle given in twips.
inline void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// A label at its design position that sizes itself to its caption.
inline QLabel* makeLabel(QWidget* parent, const QString& caption, int left, int top, int width, int height)
{
    auto* label = new QLabel(caption, parent);
    place(label, left, top, width, height);
    label->adjustSize();
    return label;
}

} // namespace lumbrell
