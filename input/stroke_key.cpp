#include "input/stroke_key.h"

#include "formats/stroke_letters.h"


namespace lumbrell {
namespace {

// Symbol and digit of "no stroke", then of the five stroke classes.
constexpr std::array<char16_t, 6> Symbols = {u' ', strokes::Symbols[0], strokes::Symbols[1], strokes::Symbols[2],
                                             strokes::Symbols[3], strokes::Symbols[4]};
constexpr std::array<char16_t, 6> Digits = {strokes::NoStrokeDigit, strokes::digitOfClass(1), strokes::digitOfClass(2),
                                            strokes::digitOfClass(3), strokes::digitOfClass(4), strokes::digitOfClass(5)};

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

QString strokeKeyOf(const std::array<QString, 5>& chooserTexts)
{
    QString symbols;
    for (const QString& text : chooserTexts)
        symbols += strokeSymbol(text);
    return strokeDigits(symbols);
}

} // namespace lumbrell
