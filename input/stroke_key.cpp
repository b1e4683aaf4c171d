#include "input/stroke_key.h"

#include <array>

namespace lumbrell {
namespace {

// Symbol and digit of "no stroke", then of the five stroke classes.
const std::array<char16_t, 6> Symbols = {u' ', u'一', u'丨', u'丿', u'丶', u'乙'};
const std::array<char16_t, 6> Digits = {u'0', u'1', u'2', u'3', u'4', u'5'};

} // namespace

QString strokeSymbol(QStringView chooserText)
{
    if (chooserText.size() == 1) {
        for (std::size_t i = 1; i < Symbols.size(); ++i)
            if (chooserText[0] == Symbols[i])
                return QString(QChar(Symbols[i]));
    }
    return QStringLiteral(" ");
}

QString strokeDigits(QStringView symbols)
{
    QString key = symbols.toString();
    for (QChar& c : key) {
        for (std::size_t i = 0; i < Symbols.size(); ++i) {
            if (c == Symbols[i]) {
                c = Digits[i];
                break;
            }
        }
    }
    return key;
}

std::optional<int> strokeTableOf(QStringView key)
{
    if (key.isEmpty() || key[0] < u'1' || key[0] > u'5')
        return std::nullopt;
    return key[0].unicode() - u'1';
}

} // namespace lumbrell
