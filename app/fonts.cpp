#include "app/fonts.h"

#include <QStringList>

namespace lumbrell {

namespace {

const QStringList SongFamilies = {QString::fromLatin1(CharacterFamily), QStringLiteral("AR PL UMing CN"),
                                  QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"),
                                  QStringLiteral("WenQuanYi Zen Hei")};

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
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans Mono")} + SongFamilies);
    font.setStyleHint(QFont::Monospace);
    return font;
}

QFont latinFont(qreal pointSize, bool bold)
{
    QFont font = songFont(pointSize, bold);
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans")} + SongFamilies);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace lumbrell
