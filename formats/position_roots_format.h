#pragma once
// The position-roots file: for every drawn character, the root (码元) each
// code position's picture marks. UTF-8 text, one line per character, fields
// separated by TAB, ending in LF:
//   character  full code  then one field per letter of the full code
//   "峰\tmtdh\t山\t夂\t三\t丨\n"      "桃\tsqiy\t木\t儿\t兆去儿\tid\n"
// A root is its own character where it has one, else the root table's name
// for it (鸟头, 兆去儿); "id" stands for the identification letter and "-"
// for a position whose picture marks nothing.

namespace lumbrell::positionroots {

inline constexpr char FileName[] = "position_roots.tsv";
inline constexpr char Separator = '\t';
inline constexpr char Identification[] = "id";
inline constexpr char Unmarked[] = "-";
inline constexpr int CodeLetters = 4; // at most one field per letter of a full code

} // namespace lumbrell::positionroots
