#pragma once
// The record file wwbb11.dat: a flat run of fixed-size records sorted by the
// character's GBK code (the lead byte high), each field GBK text padded with
// spaces. The data builder writes it, the program and the test fixtures read
// and write it through these numbers only.

namespace lumbrell::record {

struct Field {
    int offset;
    int width;
};

inline constexpr Field Hanzi{0, 2};   // the character, two GBK bytes
inline constexpr int CodeWidth = 4;   // Code1 … Code3: Wubi letters
inline constexpr int InfoWidth = 72;  // Info1 … Info4: the fill points of one code position
inline constexpr Field Code[3] = {{2, CodeWidth}, {6, CodeWidth}, {10, CodeWidth}};
inline constexpr Field Info[4] = {{14, InfoWidth}, {86, InfoWidth}, {158, InfoWidth}, {230, InfoWidth}};
inline constexpr int Size = 302;

// Record numbers are signed 16-bit, so a file is searched over this many records at most.
inline constexpr int MaxRecords = 32767;

static_assert(Code[0].offset == Hanzi.offset + Hanzi.width);
static_assert(Info[0].offset == Code[2].offset + CodeWidth);
static_assert(Info[3].offset + InfoWidth == Size);

} // namespace lumbrell::record
