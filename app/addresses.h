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

// Said when no program of the desktop takes a link: it names the address (an
// e-mail address without its "mailto:") so the user can copy it.
inline QString linkNotOpenedMessage(const QString& target)
{
    const QString mail = QStringLiteral("mailto:");
    const QString address = target.startsWith(mail) ? target.sliced(mail.size()) : target;
    return QStringLiteral("没有程序能打开这个地址，请复制后自行打开：\n%1").arg(address);
}

} // namespace lumbrell::addresses
