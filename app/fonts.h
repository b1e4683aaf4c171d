#pragma once

#include <QFont>

namespace lumbrell {

// The one family every Chinese character is drawn in on Debian: a Song face
// whose regular weight has a glyph for every character of GBK (Debian package
// fonts-noto-cjk), so that no character falls back to another, heavier face.
// On Windows SimSun, which also writes all of GBK, comes first.
inline constexpr char CharacterFamily[] = "Noto Serif CJK SC";

// The Song-style Simplified Chinese font of the windows (the face they are
// designed in), with the closest faces Debian and Windows ship behind it.
QFont songFont(qreal pointSize, bool bold = false);

// The face of the Wubi codes: a monospaced Latin face in which l and 1, and O
// and 0, cannot be mistaken for each other (the Song faces draw l like 1),
// with the Song faces behind it for anything else.
QFont codeFont(qreal pointSize, bool bold = false);

// The same for Latin text read letter by letter, pinyin and addresses, in a
// proportional face: "lin" and "lumbrell" do not read "1in" and "1umbre11".
QFont latinFont(qreal pointSize, bool bold = false);

} // namespace lumbrell
