#include "tools/data/gbk_characters.h"

namespace lumbrell::data {

namespace {
QByteArray twoBytes(int lead, int trail)
{
    const char bytes[] = {char(lead), char(trail)};
    return QByteArray(bytes, 2);
}

// The character of one two-byte code, where the converter gives exactly one
// (the strict conversion: invalid bytes are reported, not replaced).
std::optional<QString> characterOf(int lead, int trail)
{
    const std::optional<QString> text = fromGbkStrict(twoBytes(lead, trail));
    if (text && text->size() == 1 && text->at(0) != QChar(0xFFFD))
        return text;
    return std::nullopt;
}
} // namespace

std::vector<std::pair<QByteArray, QString>> gb2312Characters()
{
    std::vector<std::pair<QByteArray, QString>> chars;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            // GBK's user-defined codes D7FA-D7FE are no GB2312 characters.
            if (lead == 0xD7 && trail >= 0xFA)
                continue;
            if (const std::optional<QString> text = characterOf(lead, trail))
                chars.emplace_back(twoBytes(lead, trail), *text);
        }
    }
    return chars;
}

std::vector<std::pair<QByteArray, QString>> gbkCharacters()
{
    std::vector<std::pair<QByteArray, QString>> chars;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::optional<QString> text = characterOf(lead, trail);
            // The user-defined areas map to the private use area: no character of any table.
            if (text && !text->at(0).isNonCharacter() && text->at(0).category() != QChar::Other_PrivateUse)
                chars.emplace_back(twoBytes(lead, trail), *text);
        }
    }
    return chars;
}

CharSet charSetOf(const QByteArray& gbk)
{
    if (gbk.size() != 2)
        return CharSet::Addition;
    const auto lead = uint8_t(gbk[0]), trail = uint8_t(gbk[1]);
    if (lead < 0xB0 || lead > 0xF7 || trail < 0xA1 || (lead == 0xD7 && trail >= 0xFA))
        return CharSet::Addition;
    return lead <= 0xD7 ? CharSet::Level1 : CharSet::Level2;
}

} // namespace lumbrell::data
