#pragma once
// The ten embedded tables: five pinyin tables (one per syllable group) and
// five stroke tables (one per first stroke), GBK text of fixed-width lines,
// each line ending in CR LF.
//   stroke line: the character, then its five-digit stroke code   "峰25232\r\n"
//   pinyin line: the character, then its syllable padded to six    "峰feng  \r\n"
// A pinyin table ends with a closing line of eight spaces.

namespace lumbrell::tablelines {

inline constexpr int TableCount = 5;
inline constexpr char LineEnd[] = "\r\n";
inline constexpr int LineEndWidth = 2;
inline constexpr int CharacterBytes = 2; // one GBK character
inline constexpr int StrokeCodeDigits = 5;
inline constexpr int SyllableFieldWidth = 6;
inline constexpr int ClosingLineSpaces = CharacterBytes + SyllableFieldWidth;

inline constexpr int StrokeLineBytes = CharacterBytes + StrokeCodeDigits + LineEndWidth;
inline constexpr int PinyinLineBytes = CharacterBytes + SyllableFieldWidth + LineEndWidth;

} // namespace lumbrell::tablelines
