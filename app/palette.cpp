#include "app/palette.h"

#include <QWidget>

namespace lumbrell {

QPalette designPalette()
{
    const QColor black(0x00, 0x00, 0x00);
    const QColor white(0xFF, 0xFF, 0xFF);
    const QColor face(0xF0, 0xF0, 0xF0);   // buttons and window ground
    const QColor grey(0x78, 0x78, 0x78);   // disabled text, prompts
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? grey : black;
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, disabled ? face : white);
        palette.setColor(group, QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::PlaceholderText, grey);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::BrightText, white);
        palette.setColor(group, QPalette::Light, white);
        palette.setColor(group, QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3));
        palette.setColor(group, QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
        palette.setColor(group, QPalette::Dark, QColor(0xA0, 0xA0, 0xA0));
        palette.setColor(group, QPalette::Shadow, QColor(0x69, 0x69, 0x69));
        palette.setColor(group, QPalette::Highlight, disabled ? grey : QColor(0x00, 0x78, 0xD7));
        palette.setColor(group, QPalette::HighlightedText, white);
        palette.setColor(group, QPalette::Link, QColor(0x00, 0x00, 0xFF));
        palette.setColor(group, QPalette::LinkVisited, QColor(0x80, 0x00, 0x80));
        palette.setColor(group, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
        palette.setColor(group, QPalette::ToolTipText, black);
    }
    return palette;
}

void useDesignPalette(QWidget* window)
{
    window->setPalette(designPalette());
}

} // namespace lumbrell
