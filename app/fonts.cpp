#include "app/fonts.h"

#include <QStringList>

namespace lumbrell {

namespace {

// SimSun first, the design's 宋体, which Windows carries and which writes all
// of GBK; then the one family Debian ships that writes all of GBK; then the
// closest other faces, should both be missing.
const QStringList SongFamilies = {
    QStringLiteral("SimSun"),           QStringLiteral("NSimSun"),         QString::fromLatin1(CharacterFamily),
    QStringLiteral("AR PL UMing CN"),   QStringLiteral("AR PL UKai CN"),   QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Microsoft YaHei"), QStringLiteral("SimHei")};

} // namespace

QFont songFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies(SongFamilies);
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont codeFont(qreal pointSize, bool bold)
{
    QFont font = songFont(pointSize, bold);
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Consolas")} + SongFamilies);
    font.setStyleHint(QFont::Monospace);
    return font;
}

QFont latinFont(qreal pointSize, bool bold)
{
    QFont font = songFont(pointSize, bold);
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Segoe UI")} + SongFamilies);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace lumbrell
