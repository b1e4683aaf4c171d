#pragma once
// The identification letter (末笔识别码) that ends the code of a character of
// fewer than four components: the class of its last stroke picks a row, its
// structure the letter within the row (left-right, top-bottom, mixed).
#include "formats/stroke_letters.h"

#include <string_view>

namespace lumbrell::identification {

inline constexpr std::string_view LettersOfClass[strokes::ClassCount] = {"gfd", "hjk", "tre", "yui", "nbv"};

// The sixteen identification diagrams in order: the fifteen letters row by row,
// then l, the fixed second letter of the five single strokes (一 ggll).
inline constexpr std::u16string_view DiagramLetters = u"gfdhjktreyuinbvl";
inline constexpr int DiagramCount = int(DiagramLetters.size());

// The words of each diagram (UTF-8), in the order of DiagramLetters: the
// caption above names the structure, the one below the last stroke.
struct DiagramCaption {
    const char* above;
    const char* below;
};
inline constexpr DiagramCaption DiagramCaptions[DiagramCount] = {
    {"左右型", "最后一笔为横"}, {"上下型", "最后一笔为横"}, {"杂合型", "最后一笔为横"},
    {"左右型", "最后一笔为竖"}, {"上下型", "最后一笔为竖"}, {"杂合型", "最后一笔为竖"},
    {"左右型", "最后一笔为撇"}, {"上下型", "最后一笔为撇"}, {"杂合型", "最后一笔为撇"},
    {"左右型", "最后一笔为捺"}, {"上下型", "最后一笔为捺"}, {"杂合型", "最后一笔为捺"},
    {"左右型", "最后一笔为折"}, {"上下型", "最后一笔为乙"}, {"杂合型", "最后一笔为乙"},
    {"硬性规定", "5个单笔画最后两码"},
};

// Whether the letter names a last stroke of this class digit ('1' … '5').
constexpr bool fits(char letter, char strokeClass)
{
    if (strokeClass < '1' || strokeClass > '5')
        return false;
    return LettersOfClass[strokeClass - '1'].find(letter) != std::string_view::npos;
}

} // namespace lumbrell::identification
