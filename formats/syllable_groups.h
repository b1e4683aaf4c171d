#pragma once
// Which of the five pinyin tables holds a syllable: by its first letter.
#include "formats/table_line_format.h"

#include <array>
#include <string_view>

namespace lumbrell::syllables {

inline constexpr std::array<std::u16string_view, tablelines::TableCount> Groups = {
    u"abcde", u"fghijk", u"lmnopq", u"rstuvwx", u"yz",
};

// The table (0 … 4) of a syllable starting with this lower-case letter; -1 for any other.
constexpr int groupOf(char16_t firstLetter)
{
    for (int table = 0; table < int(Groups.size()); ++table)
        if (Groups[size_t(table)].find(firstLetter) != std::u16string_view::npos)
            return table;
    return -1;
}

} // namespace lumbrell::syllables
