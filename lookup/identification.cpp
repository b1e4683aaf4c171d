#include "lookup/identification.h"

#include "formats/identification_letters.h"
#include "formats/position_roots_format.h"

namespace lumbrell {

int identificationIndex(QChar letter)
{
    const auto at = identification::DiagramLetters.find(letter.unicode());
    return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

QString positionWords(const QString& root, QChar letter)
{
    const QString key = QString(letter).toUpper();
    if (root == QLatin1String(positionroots::Identification)) {
        const int index = identificationIndex(letter);
        if (index < 0)
            return {};
        const identification::DiagramCaption& words = identification::DiagramCaptions[index];
        return QStringLiteral("识别码 %1，%2 (%3)")
            .arg(QString::fromUtf8(words.above), QString::fromUtf8(words.below), key);
    }
    if (root.isEmpty() || root == QLatin1String(positionroots::Unmarked) || !letter.isLetter())
        return {};
    return QStringLiteral("码元 %1 (%2)").arg(root, key);
}

} // namespace lumbrell
