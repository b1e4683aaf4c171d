#include "tools/data/table_lines.h"

#include <algorithm>
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
