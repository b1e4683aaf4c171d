#pragma once

// Small tables in the line format of the program's pinyin and stroke tables.
#include "formats/table_line_format.h"
#include "tables/table_texts.h"

#include <QString>
#include <utility>
#include <vector>

namespace lumbrell::testing {

using namespace Qt::StringLiterals;

using TableLines = std::vector<std::pair<QString, QString>>; // character, syllable or stroke code

// Lines of a character and its syllable padded to six columns, then the
// closing line of eight spaces; every line ends with CR LF.
inline QString pinyinTable(const TableLines& lines)
{
    QString text;
    for (const auto& [character, syllable] : lines)
        text += character + syllable.leftJustified(tablelines::SyllableFieldWidth, u' ') + QLatin1String(tablelines::LineEnd);
    return text + QString(tablelines::ClosingLineSpaces, u' ') + QLatin1String(tablelines::LineEnd);
}

// Lines of a character and its five-digit stroke code, each ending with CR LF.
inline QString strokeTable(const TableLines& lines)
{
    QString text;
    for (const auto& [character, code] : lines)
        text += character + code + QLatin1String(tablelines::LineEnd);
    return text;
}

// A set of the ten tables with a few lines each, enough for every input path.
inline TableTexts fixtureTables()
{
    TableTexts tables;
    tables.pinyin[0] = pinyinTable({
        {u"啊"_s, u"a"_s}, {u"阿"_s, u"a"_s}, {u"吖"_s, u"a"_s}, {u"安"_s, u"an"_s},
        {u"俺"_s, u"an"_s}, {u"八"_s, u"ba"_s}, {u"班"_s, u"ban"_s}, {u"虺"_s, u"chai"_s},
        {u"成"_s, u"cheng"_s}, {u"铛"_s, u"cheng"_s}, {u"当"_s, u"dang"_s}, {u"铛"_s, u"dang"_s},
    });
    tables.pinyin[1] = pinyinTable({{u"峰"_s, u"feng"_s}, {u"好"_s, u"hao"_s}, {u"虺"_s, u"hui"_s},
                                     {u"口"_s, u"kou"_s}});
    tables.pinyin[2] = pinyinTable({{u"你"_s, u"ni"_s}});
    tables.pinyin[3] = pinyinTable({{u"人"_s, u"ren"_s}, {u"十"_s, u"shi"_s}});
    tables.pinyin[4] = pinyinTable({
        {u"一"_s, u"yi"_s}, {u"乙"_s, u"yi"_s}, {u"扎"_s, u"zha"_s}, {u"渣"_s, u"zha"_s},
        {u"中"_s, u"zhong"_s}, {u"猪"_s, u"zhu"_s}, {u"主"_s, u"zhu"_s}, {u"抓"_s, u"zhua"_s},
        {u"庄"_s, u"zhuang"_s}, {u"装"_s, u"zhuang"_s},
    });
    tables.stroke[0] = strokeTable({{u"一"_s, u"10000"_s}, {u"十"_s, u"12000"_s}, {u"丁"_s, u"12000"_s}});
    tables.stroke[1] = strokeTable({
        {u"丨"_s, u"20000"_s}, {u"口"_s, u"25100"_s}, {u"中"_s, u"25120"_s}, {u"峰"_s, u"25232"_s},
        {u"刿"_s, u"25232"_s}, {u"峁"_s, u"25232"_s}, {u"峤"_s, u"25232"_s}, {u"峥"_s, u"25232"_s},
        {u"嵛"_s, u"25232"_s},
    });
    tables.stroke[2] = strokeTable({{u"丿"_s, u"30000"_s}, {u"人"_s, u"34000"_s}});
    tables.stroke[3] = strokeTable({{u"丶"_s, u"40000"_s}});
    tables.stroke[4] = strokeTable({{u"乙"_s, u"50000"_s}});
    return tables;
}

} // namespace lumbrell::testing
