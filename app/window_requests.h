#pragma once

class QWidget;

namespace lumbrell {

class MainWindow;
class SingleInstance;

// Brings the window to the front, restored when it was minimised.
void bringToFront(QWidget& window);

// Each later start of the program brings the window to the front and looks
// up the character it was given.
void answerLaterStarts(SingleInstance& instance, MainWindow& window);

} // namespace lumbrell
