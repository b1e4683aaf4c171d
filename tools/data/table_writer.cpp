#include "tools/data/table_writer.h"

#include "formats/stroke_letters.h"
#include "formats/syllable_groups.h"
#include "formats/table_line_format.h"

#include <algorithm>
#include <numeric>
#include <tuple>

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

std::vector<int> useRanks(const std::vector<CharEntry>& chars)
{
    std::vector<size_t> order(chars.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const CharEntry &x = chars[a], &y = chars[b];
        return std::make_tuple(int(x.set), -x.frequency, x.gbk) < std::make_tuple(int(y.set), -y.frequency, y.gbk);
    });
    std::vector<int> ranks(chars.size());
    for (size_t place = 0; place < order.size(); ++place)
        ranks[order[place]] = int(place);
    return ranks;
}

void sortPinyinLines(std::vector<PinyinLine>& lines)
{
    std::sort(lines.begin(), lines.end(), [](const PinyinLine& a, const PinyinLine& b) {
        const QByteArray fa = syllableField(a.syllable), fb = syllableField(b.syllable);
        return std::tie(fa, a.rank, a.gbk) < std::tie(fb, b.rank, b.gbk);
    });
    lines.erase(std::unique(lines.begin(), lines.end(),
                            [](const PinyinLine& a, const PinyinLine& b) {
                                return a.gbk == b.gbk && a.syllable == b.syllable;
                            }),
                lines.end());
}

std::array<QByteArray, 5> strokeTables(const std::vector<CharEntry>& chars)
{
    const std::vector<int> ranks = useRanks(chars);
    std::vector<std::tuple<QByteArray, int, QByteArray>> coded; // (code, rank, gbk)
    coded.reserve(chars.size());
    for (size_t i = 0; i < chars.size(); ++i)
        coded.emplace_back(strokeCode(chars[i].strokeClasses), ranks[i], chars[i].gbk);
    std::sort(coded.begin(), coded.end());
    std::array<QByteArray, 5> tables;
    for (const auto& [code, rank, gbk] : coded) {
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
