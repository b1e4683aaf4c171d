#include "tools/data/table_lines.h"

#include "formats/stroke_letters.h"
#include "formats/syllable_groups.h"
#include "formats/table_lines.h"

#include <algorithm>

namespace lumbrell::data {

namespace {
using tablelines::LineEnd;

QByteArray syllableField(const QString& syllable)
{
    return syllable.toLatin1().leftJustified(tablelines::SyllableFieldWidth, ' ', true);
}
} // namespace

QByteArray strokeCode(const QString& strokeClasses)
{
    constexpr int last = tablelines::StrokeCodeDigits - 1;
    QByteArray code(tablelines::StrokeCodeDigits, strokes::NoStrokeDigit);
    const QByteArray digits = strokeClasses.toLatin1();
    for (qsizetype i = 0; i < std::min<qsizetype>(last, digits.size()); ++i)
        code[i] = digits[i];
    if (digits.size() > last)
        code[last] = digits.back();
    return code;
}

int pinyinTableOf(const QString& syllable)
{
    return syllable.isEmpty() ? -1 : syllables::groupOf(syllable[0].unicode());
}

void sortPinyinLines(std::vector<PinyinLine>& lines)
{
    std::sort(lines.begin(), lines.end(), [](const PinyinLine& a, const PinyinLine& b) {
        const QByteArray fa = syllableField(a.syllable), fb = syllableField(b.syllable);
        return fa != fb ? fa < fb : a.gbk < b.gbk;
    });
    lines.erase(std::unique(lines.begin(), lines.end(),
                            [](const PinyinLine& a, const PinyinLine& b) {
                                return a.gbk == b.gbk && a.syllable == b.syllable;
                            }),
                lines.end());
}

std::array<QByteArray, 5> strokeTables(const std::vector<CharEntry>& chars)
{
    std::vector<std::pair<QByteArray, QByteArray>> coded; // (code, gbk)
    coded.reserve(chars.size());
    for (const CharEntry& entry : chars)
        coded.emplace_back(strokeCode(entry.strokeClasses), entry.gbk);
    std::sort(coded.begin(), coded.end());
    std::array<QByteArray, 5> tables;
    for (const auto& [code, gbk] : coded) {
        const int table = code[0] - '1';
        if (table >= 0 && table < tablelines::TableCount)
            tables[size_t(table)] += gbk + code + LineEnd;
    }
    return tables;
}

std::array<QByteArray, 5> pinyinTables(std::vector<PinyinLine> lines)
{
    sortPinyinLines(lines);
    std::array<QByteArray, 5> tables;
    for (const PinyinLine& line : lines) {
        const int table = pinyinTableOf(line.syllable);
        if (table >= 0)
            tables[size_t(table)] += line.gbk + syllableField(line.syllable) + LineEnd;
    }
    for (QByteArray& table : tables)
        table += QByteArray(tablelines::ClosingLineSpaces, ' ') + LineEnd;
    return tables;
}

} // namespace lumbrell::data
