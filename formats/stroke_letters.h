#pragma once
// The five stroke classes of Wubi and of the stroke tables, written as digits
// 1 … 5 (0: no stroke): 1 横 and 提, 2 竖 and 竖钩, 3 撇, 4 点 and 捺, 5 every
// turning stroke (折).
#include <string_view>

namespace lumbrell::strokes {

inline constexpr int ClassCount = 5;
inline constexpr char NoStrokeDigit = '0';

// The symbols of the stroke choosers, class 1 … 5.
inline constexpr char16_t Symbols[ClassCount] = {u'一', u'丨', u'丿', u'丶', u'乙'};

// The letters Wubi types the single strokes with, class 1 … 5: 一 g, 丨 h,
// 丿 t, 丶 y, 乙 n (formats/wubi_rules.h).
inline constexpr std::string_view WubiLetters = "ghtyn";

// The letters of rime-data-stroke's stroke.dict.yaml, class 1 … 5.
inline constexpr std::string_view RimeLetters = "hspnz";

// The digit of a stroke class (1 … 5).
constexpr char digitOfClass(int strokeClass) { return char('0' + strokeClass); }

// The class digit ('1' … '5') of a rime letter, or '\0' for any other letter.
constexpr char digitOfRimeLetter(char letter)
{
    const auto at = RimeLetters.find(letter);
    return at == std::string_view::npos ? '\0' : digitOfClass(int(at) + 1);
}

} // namespace lumbrell::strokes
