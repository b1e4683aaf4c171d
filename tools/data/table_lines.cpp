#include "tools/data/table_lines.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <cstring>

namespace lumbrell::data {

namespace {
constexpr char kLineEnd[] = "\r\n";
constexpr int kSyllableColumns = 6;

QByteArray syllableField(const QString& syllable)
{
    return syllable.toLatin1().leftJustified(kSyllableColumns, ' ', true);
}
} // namespace

QByteArray strokeCode(const QString& strokeClasses)
{
    QByteArray code("00000");
    const QByteArray digits = strokeClasses.toLatin1();
    for (qsizetype i = 0; i < std::min<qsizetype>(4, digits.size()); ++i)
        code[i] = digits[i];
    if (digits.size() >= 5)
        code[4] = digits.back();
    return code;
}

int pinyinTableOf(const QString& syllable)
{
    static const char* const firstLetters[] = {"abcde", "fghijk", "lmnopq", "rstuvwx", "yz"};
    const char first = syllable.isEmpty() ? '\0' : char(syllable[0].toLatin1());
    for (int table = 0; table < 5; ++table) {
        if (first != '\0' && std::strchr(firstLetters[table], first))
            return table;
    }
    return -1;
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
        if (table >= 0 && table < 5)
            tables[size_t(table)] += gbk + code + kLineEnd;
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
            tables[size_t(table)] += line.gbk + syllableField(line.syllable) + kLineEnd;
    }
    for (QByteArray& table : tables)
        table += QByteArray(8, ' ') + kLineEnd;
    return tables;
}

} // namespace lumbrell::data
