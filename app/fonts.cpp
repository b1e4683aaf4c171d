#include "app/fonts.h"

#include <QStringList>

namespace lumbrell {

QFont songFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace lumbrell
