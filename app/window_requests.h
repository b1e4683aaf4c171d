#pragma once

#include <QString>

class QWidget;

namespace lumbrell {

class Form11;
class SingleInstance;

// Brings the window to the front, restored when it was minimised.
void bringToFront(QWidget& window);

// Looks the character up as if it had been typed into the entry box, which
// then holds it selected, so that the next character typed replaces it.
// An empty character changes nothing.
void lookUpInEntryBox(Form11& form, const QString& character);

// Each later start of the program brings the window to the front and looks
// up the character it was given.
void answerLaterStarts(SingleInstance& instance, Form11& form);

} // namespace lumbrell
