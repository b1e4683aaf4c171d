#include "store/gbk.h"

#include <array>
#include <cstdint>

namespace lumbrell {
namespace {

#include "store/gbk_table.inc"

constexpr char16_t Replacement = 0xFFFD;

// Language tag characters: glibc's GBK drops them when encoding, and so do we.
constexpr bool isTagCharacter(char32_t c)
{
    return c >= 0xE0000 && c <= 0xE007F;
}

// The character of the two bytes from lead, or 0.
char16_t doubleByteCharacter(unsigned char lead, unsigned char trail)
{
    if (lead < GbkFirstLead || lead > GbkLastLead || trail < GbkFirstTrail || trail > GbkLastTrail)
        return 0;
    return GbkDoubleBytes[(lead - GbkFirstLead) * GbkTrails + (trail - GbkFirstTrail)];
}

// The GBK code of every character of the basic plane (lead byte high; a
// single byte as is), 0 for none. Built once from the decoding table.
const std::array<std::uint16_t, 0x10000>& encodingTable()
{
    static const auto table = [] {
        std::array<std::uint16_t, 0x10000> codes{};
        for (int byte = 0; byte < 0x80; ++byte)
            codes[static_cast<size_t>(byte)] = static_cast<std::uint16_t>(byte);
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            if (const char16_t c = GbkSingleHighBytes[byte - 0x80])
                codes[c] = static_cast<std::uint16_t>(byte);
        for (int lead = GbkFirstLead; lead <= GbkLastLead; ++lead)
            for (int trail = GbkFirstTrail; trail <= GbkLastTrail; ++trail)
                if (const char16_t c = doubleByteCharacter(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)))
                    codes[c] = static_cast<std::uint16_t>(lead << 8 | trail);
        return codes;
    }();
    return table;
}

// The character at i, moving i to its last unit; a lone surrogate comes out
// as itself, which has no code.
char32_t codePointAt(QStringView text, qsizetype& i)
{
    const QChar unit = text[i];
    if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(unit, text[++i]);
    return unit.unicode();
}

// Decodes bytes; an invalid byte becomes Replacement, or ends the decoding
// with nullopt when strict.
std::optional<QString> decode(const QByteArray& bytes, bool strict)
{
    QString text;
    text.reserve(bytes.size());
    const auto size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            text.append(QChar(byte));
            continue;
        }
        if (i + 1 < size) {
            if (const char16_t c = doubleByteCharacter(byte, static_cast<unsigned char>(bytes[i + 1]))) {
                text.append(QChar(c));
                ++i;
                continue;
            }
        }
        if (const char16_t c = GbkSingleHighBytes[byte - 0x80]) {
            text.append(QChar(c));
            continue;
        }
        if (strict)
            return std::nullopt;
        text.append(QChar(Replacement)); // then goes on with the next byte
    }
    return text;
}

} // namespace

QString fromGbkLenient(const QByteArray& bytes)
{
    return *decode(bytes, false);
}

std::optional<QString> fromGbkStrict(const QByteArray& bytes)
{
    return decode(bytes, true);
}

std::optional<QByteArray> toGbk(QStringView text)
{
    const auto& codes = encodingTable();
    QByteArray gbk;
    gbk.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t c = codePointAt(text, i);
        if (isTagCharacter(c))
            continue;
        const std::uint16_t code = c < codes.size() ? codes[c] : 0;
        if (code == 0 && c != 0)
            return std::nullopt;
        if (code > 0xFF)
            gbk.append(static_cast<char>(code >> 8));
        gbk.append(static_cast<char>(code & 0xFF));
    }
    return gbk;
}

QStringView firstCharacter(QStringView text)
{
    if (text.isEmpty())
        return {};
    if (text.size() >= 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return text.first(2);
    return text.first(1);
}

std::optional<int> charKeyOfBytes(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return lead;
    if (bytes.size() < 2)
        return std::nullopt;
    const auto trail = static_cast<unsigned char>(bytes[1]);
    return static_cast<int>(static_cast<std::int16_t>(static_cast<std::uint16_t>(lead << 8 | trail)));
}

std::optional<int> charKey(QStringView character)
{
    const QStringView first = firstCharacter(character);
    if (first.isEmpty())
        return std::nullopt;
    const auto bytes = toGbk(first);
    if (!bytes || bytes->isEmpty())
        return std::nullopt;
    return charKeyOfBytes(*bytes);
}

bool isDoubleByte(QStringView text)
{
    const auto key = charKey(text);
    return key && *key < 0;
}

} // namespace lumbrell
