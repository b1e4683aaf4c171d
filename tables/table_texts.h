#pragma once

#include <QString>
#include <array>

namespace lumbrell {

// The ten tables as the searches see them: each one string, a Chinese
// character one position like every ASCII character, CR and LF.
struct TableTexts {
    std::array<QString, 5> pinyin; // Text1bh1 … Text1bh5: one syllable group each (formats/syllable_groups.h)
    std::array<QString, 5> stroke; // Text1bh1w … Text1bh5w: first stroke 1 … 5
};

// The tables carried with the program (GBK text resources). A table that is
// missing or not valid GBK is reported in *problems (one line per table) and
// left empty, so its searches simply find nothing.
TableTexts loadEmbeddedTables(QString* problems = nullptr);

} // namespace lumbrell
