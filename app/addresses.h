#pragma once

#include <QString>

namespace lumbrell::addresses {

// The project's contact details. The captions of the links show these texts;
// the targets handed to the desktop are built from them.
inline const QString WebHost = QStringLiteral("www.lumbrell.example.org");
inline const QString ContactEmail = QStringLiteral("contact@lumbrell.example.org");
inline const QString ContactNumber = QStringLiteral("100000000");
inline const QString DownloadPath = QStringLiteral("/down.htm");

inline QString homePage() { return QStringLiteral("http://") + WebHost; }
inline QString downloadPage() { return homePage() + DownloadPath; }
inline QString mailTo() { return QStringLiteral("mailto:") + ContactEmail; }

} // namespace lumbrell::addresses
