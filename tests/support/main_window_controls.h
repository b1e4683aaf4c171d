#pragma once

// The main window's controls, found as a user's tools find them: by their
// design names, which they carry as object names.
#include "app/main_window.h"
#include "app/picture_box.h"
#include "app/syllable_chooser.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

namespace lumbrell::testing {

template <typename Control = QWidget>
Control* designControl(const QWidget& window, const QString& designName)
{
    auto* control = window.findChild<Control*>(designName);
    if (!control)
        qFatal("The window has no control named %s of that kind.", qPrintable(designName));
    return control;
}

// Combo1 … Combo5, the stroke choosers, for index 0 … 4.
inline QComboBox* strokeChooser(const QWidget& window, int index)
{
    return designControl<QComboBox>(window, QStringLiteral("Combo%1").arg(index + 1));
}

inline std::array<QComboBox*, 5> strokeChoosers(const QWidget& window)
{
    std::array<QComboBox*, 5> choosers{};
    for (int i = 0; i < 5; ++i)
        choosers[i] = strokeChooser(window, i);
    return choosers;
}

// Picture1(0) … Picture1(3), one picture per code position.
inline PictureBox* positionBox(const QWidget& window, int index)
{
    return designControl<PictureBox>(window, QStringLiteral("Picture1(%1)").arg(index));
}

inline std::array<PictureBox*, 4> positionBoxes(const QWidget& window)
{
    std::array<PictureBox*, 4> boxes{};
    for (int i = 0; i < 4; ++i)
        boxes[i] = positionBox(window, i);
    return boxes;
}

} // namespace lumbrell::testing
