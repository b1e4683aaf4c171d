#include "tools/data/source_loader.h"

#include "tools/data/gbk_characters.h"
#include "tools/data/stroke_sources.h"
#include "tools/data/wubi_codes.h"
#include "tools/tablereader/table_file.h"

#include <QDir>
#include <QFileInfo>

namespace lumbrell::data {

namespace {
constexpr size_t kGb2312Size = 6763;
const QString kFetchHint = QStringLiteral("; run scripts/fetch-sources.sh (or scripts/setup.sh)");

bool requireFile(const QString& path, const QString& source, QString* error)
{
    if (QFileInfo(path).isFile())
        return true;
    *error = QStringLiteral("%1: %2 is missing%3").arg(source, path, kFetchHint);
    return false;
}

bool fillCharacters(SourceSet& sources, QString* error)
{
    sources.chars.clear();
    size_t gb2312 = 0;
    for (auto& [gbk, ch] : gbkCharacters()) {
        sources.chars.push_back({ch, gbk, {}, {}, {}, charSetOf(gbk)});
        gb2312 += sources.chars.back().set != CharSet::Addition;
    }
    if (gb2312 != kGb2312Size) {
        *error = QStringLiteral("glibc iconv's GBK converter gives %1 GB2312 characters instead of %2; "
                                "check the system's gconv modules").arg(gb2312).arg(kGb2312Size);
        return false;
    }
    return true;
}

void reportCharacterSets(const SourceSet& sources, QStringList& report)
{
    int counts[3] = {};
    QString others; // additions that are no CJK ideographs
    for (const CharEntry& entry : sources.chars) {
        ++counts[int(entry.set)];
        const char32_t u = entry.ch.at(0).unicode();
        const bool ideograph = (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0xF900 && u <= 0xFAFF);
        if (entry.set == CharSet::Addition && !ideograph)
            others += entry.ch;
    }
    report << QStringLiteral("characters: %1 GBK characters with a Wubi 98 code: %2 GB2312 level 1, %3 level 2, "
                             "%4 GBK additions (%5 of them no CJK ideographs: %6)")
                  .arg(sources.chars.size()).arg(counts[0]).arg(counts[1]).arg(counts[2]).arg(others.size()).arg(others);
}

bool fillStrokes(const SourcePaths& paths, SourceSet& sources, QStringList& report, QString* error)
{
    if (!requireFile(paths.cncharOrder, QStringLiteral("npm package cnchar-order"), error)
        || !requireFile(paths.rimeStroke, QStringLiteral("Debian package rime-data-stroke"), error))
        return false;
    const std::optional<StrokeClassMap> cnchar = readCncharOrder(paths.cncharOrder, error);
    if (!cnchar)
        return false;
    StrokeClassMap otherRimeLines;
    const std::optional<StrokeClassMap> rime = readRimeStrokes(paths.rimeStroke, error, &otherRimeLines);
    if (!rime)
        return false;
    int both = 0, agree = 0, additionsFromRime = 0;
    QString fromRime, missing;
    for (CharEntry& entry : sources.chars) {
        const QString ours = cnchar->value(entry.ch), theirs = rime->value(entry.ch);
        if (!ours.isEmpty() && !theirs.isEmpty()) {
            ++both;
            agree += ours == theirs ? 1 : 0;
        }
        entry.strokeClasses = !ours.isEmpty() ? ours : theirs;
        if (ours.isEmpty())
            entry.otherStrokeClasses = otherRimeLines.value(entry.ch);
        if (theirs.isEmpty() && ours.isEmpty())
            missing += entry.ch;
        else if (ours.isEmpty() && entry.set == CharSet::Addition)
            ++additionsFromRime;
        else if (ours.isEmpty())
            fromRime += entry.ch;
    }
    if (!missing.isEmpty()) {
        *error = QStringLiteral("no stroke order for %1 characters in cnchar-order or rime-data-stroke: %2")
                     .arg(missing.size()).arg(missing.left(40));
        return false;
    }
    const qsizetype fromCnchar = qsizetype(sources.chars.size()) - fromRime.size() - additionsFromRime;
    report << QStringLiteral("cnchar-order: stroke order of %1 characters").arg(fromCnchar)
           << QStringLiteral("cnchar-order: lacks %1 GB2312 characters, taken from rime-data-stroke: %2")
                  .arg(fromRime.size()).arg(fromRime)
           << QStringLiteral("cnchar-order: lacks %1 GBK additions, taken from rime-data-stroke").arg(additionsFromRime)
           << QStringLiteral("rime-data-stroke (mainland lines): agrees with cnchar-order on %1 of the %2 characters both have")
                  .arg(agree).arg(both);
    return true;
}

void reportOutlines(const QString& dir, const SourceSet& sources, QStringList& report)
{
    QString missing;
    int additions = 0, additionsOutlined = 0;
    for (const CharEntry& entry : sources.chars) {
        const bool outlined = QFileInfo::exists(dir + u'/' + entry.ch + QStringLiteral(".json"));
        if (entry.set == CharSet::Addition) {
            ++additions;
            additionsOutlined += outlined;
        } else if (!outlined) {
            missing += entry.ch;
        }
    }
    const int gb2312 = int(sources.chars.size()) - additions;
    report << QStringLiteral("hanzi-writer-data: outlines of %1 of %2 GB2312 characters; lacks %3: %4")
                  .arg(gb2312 - missing.size()).arg(gb2312).arg(missing.size()).arg(missing)
           << QStringLiteral("hanzi-writer-data: outlines of %1 of %2 GBK additions; the others have no drawing")
                  .arg(additionsOutlined).arg(additions);
}
} // namespace

SourcePaths SourcePaths::standard(const QString& cacheDir, const QString& rimeDir)
{
    const QString npm = cacheDir + QStringLiteral("/npm/node_modules");
    return {
        cacheDir + QStringLiteral("/wubi98/usr/share/fcitx5/table/wubi98-single.main.dict"),
        npm + QStringLiteral("/cnchar-order/cnchar.order.min.js"),
        npm + QStringLiteral("/hanzi-writer-data"),
        rimeDir + QStringLiteral("/stroke.dict.yaml"),
        rimeDir + QStringLiteral("/luna_pinyin.dict.yaml"),
        rimeDir + QStringLiteral("/pinyin_simp.dict.yaml"),
    };
}

bool loadSourceSet(const SourcePaths& paths, SourceSet& sources, QStringList& report, QString* error)
{
    if (!fillCharacters(sources, error))
        return false;

    if (!requireFile(paths.wubiTable, QStringLiteral("Debian package fcitx5-table-wubi98-single"), error))
        return false;
    QString tableError;
    const auto table = tablereader::readTableFile(paths.wubiTable, &tableError);
    if (!table) {
        *error = QStringLiteral("fcitx5-table-wubi98-single: %1; delete .cache/wubi98 and run "
                                "scripts/fetch-sources.sh again").arg(tableError);
        return false;
    }
    if (!assignWubiCodes(*table, sources.chars, report, error))
        return false;
    reportCharacterSets(sources, report);

    if (!fillStrokes(paths, sources, report, error))
        return false;

    if (!QFileInfo(paths.hanziWriterDir).isDir()) {
        *error = QStringLiteral("npm package hanzi-writer-data: %1 is missing%2").arg(paths.hanziWriterDir, kFetchHint);
        return false;
    }
    sources.hanziWriterDir = paths.hanziWriterDir;
    reportOutlines(paths.hanziWriterDir, sources, report);
    return true;
}

} // namespace lumbrell::data
