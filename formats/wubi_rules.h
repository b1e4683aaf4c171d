#pragma once
// The codes Wubi gives whole characters instead of a split into roots; the
// decomposer splits such a character by them, and the root table is checked
// against them.
//   单笔画 a single stroke: its key twice, then "ll"              一 ggll  乙 nnll
//   键名字 the character that names its key: the key four times     王 gggg
//   成字字根 a component that is itself a character: its key, then the
//            single-stroke letters of its first, second and last strokes,
//            three letters in all for a component of two strokes    五 gghg  八 wty
#include "formats/stroke_letters.h"

#include <string>
#include <string_view>

namespace lumbrell::wubi {

// What a single stroke types after its key twice.
inline constexpr std::string_view SingleStrokeEnding = "ll";

using strokes::WubiLetters;

// The single-stroke letter of a stroke class digit ('1' … '5').
constexpr char strokeLetter(char classDigit) { return WubiLetters[size_t(classDigit - '1')]; }

// The single stroke a letter types (一 for g …), or 0 for any other letter.
constexpr char16_t singleStrokeOfLetter(char letter)
{
    const auto at = WubiLetters.find(letter);
    return at == std::string_view::npos ? u'\0' : strokes::Symbols[at];
}

// Whether a full code ends as a single stroke's does.
constexpr bool endsAsSingleStroke(std::string_view code)
{
    return code.size() == 4 && code.substr(2) == SingleStrokeEnding;
}

// The code of the single stroke on key.
inline std::string singleStrokeCode(char key) { return std::string(2, key) + std::string(SingleStrokeEnding); }

// The code of the character that names key.
inline std::string keyNameCode(char key) { return std::string(4, key); }

// The length of a component character's code: three letters for two strokes, else four.
constexpr size_t componentCharacterCodeLength(size_t strokeCount) { return strokeCount == 2 ? 3 : 4; }

// The code of a component character of two strokes or more, from its key and
// its stroke class digits: key, first, second and last stroke.
inline std::string componentCharacterCode(char key, std::string_view classes)
{
    std::string code{key, strokeLetter(classes[0]), strokeLetter(classes[1])};
    if (classes.size() > 2)
        code += strokeLetter(classes.back());
    return code;
}

} // namespace lumbrell::wubi
