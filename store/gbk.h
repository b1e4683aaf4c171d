#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace lumbrell {

// Conversion between GBK and in-memory text, through a table taken from
// glibc's iconv (store/gbk_table.inc): the same on every platform, whatever
// the system's own code page 936 says.

// Decodes GBK bytes. A byte sequence that is not valid GBK becomes U+FFFD, one
// per offending byte, so that untrusted data never fails to decode.
QString fromGbkLenient(const QByteArray& bytes);

// Decodes GBK bytes; nullopt when they are not valid GBK.
std::optional<QString> fromGbkStrict(const QByteArray& bytes);

// Encodes text as GBK; nullopt when some character has no GBK code.
std::optional<QByteArray> toGbk(QStringView text);

// The first whole character of a text (a surrogate pair stays together); empty
// for an empty text.
QStringView firstCharacter(QStringView text);

// The key by which records are ordered: the GBK code of a character read as a
// signed 16-bit number with the lead byte high (negative for every double-byte
// character), or the byte value of a single-byte one. nullopt for a character
// that GBK cannot encode and for an empty text.
std::optional<int> charKey(QStringView character);

// The same key taken from raw GBK bytes (the first one or two of them).
std::optional<int> charKeyOfBytes(const QByteArray& bytes);

// True when the first character of the text has a two-byte GBK code.
bool isDoubleByte(QStringView text);

} // namespace lumbrell
