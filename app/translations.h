#pragma once

#include <QLocale>

namespace lumbrell {

// Installs Qt's own translations for `locale` (the OK of message boxes, the
// edit menu of text boxes) from Qt's translations folder, so they speak the
// user's language like the rest of the window. Returns false when Qt carries
// none for that locale; its strings then stay in English.
bool loadQtTranslations(const QLocale& locale);

} // namespace lumbrell
