#include "tools/data/gbk.h"

namespace lumbrell::data {

std::vector<std::pair<QByteArray, QString>> gb2312Characters()
{
    std::vector<std::pair<QByteArray, QString>> chars;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const char bytes[] = {char(lead), char(trail)};
            const QByteArray code(bytes, 2);
            // GBK's user-defined codes D7FA-D7FE are no GB2312 characters.
            if (lead == 0xD7 && trail >= 0xFA)
                continue;
            const std::optional<QString> text = fromGbk(code);
            if (text && text->size() == 1 && text->at(0) != QChar(0xFFFD))
                chars.emplace_back(code, *text);
        }
    }
    return chars;
}

} // namespace lumbrell::data
