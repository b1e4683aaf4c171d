#include "tools/data/source_loader.h"

#include "tools/data/gbk.h"
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
    for (auto& [gbk, ch] : gb2312Characters())
        sources.chars.push_back({ch, gbk, {}, {}, {}});
    if (sources.chars.size() != kGb2312Size) {
        *error = QStringLiteral("glibc iconv's GB2312 converter gives %1 characters instead of %2; "
                                "check the system's gconv modules").arg(sources.chars.size()).arg(kGb2312Size);
        return false;
    }
    return true;
}

bool fillStrokes(const SourcePaths& paths, SourceSet& sources, QStringList& report, QString* error)
{
    if (!requireFile(paths.cncharOrder, QStringLiteral("npm package cnchar-order"), error)
        || !requireFile(paths.rimeStroke, QStringLiteral("Debian package rime-data-stroke"), error))
        return false;
    const std::optional<StrokeClassMap> cnchar = readCncharOrder(paths.cncharOrder, error);
    if (!cnchar)
        return false;
    const std::optional<StrokeClassMap> rime = readRimeStrokes(paths.rimeStroke, error);
    if (!rime)
        return false;
    int both = 0, agree = 0;
    QString fromRime, missing;
    for (CharEntry& entry : sources.chars) {
        const QString ours = cnchar->value(entry.ch), theirs = rime->value(entry.ch);
        if (!ours.isEmpty() && !theirs.isEmpty()) {
            ++both;
            agree += ours == theirs ? 1 : 0;
        }
        entry.strokeClasses = !ours.isEmpty() ? ours : theirs;
        if (ours.isEmpty())
            (theirs.isEmpty() ? missing : fromRime) += entry.ch;
    }
    if (!missing.isEmpty()) {
        *error = QStringLiteral("no stroke order for %1 characters in cnchar-order or rime-data-stroke: %2")
                     .arg(missing.size()).arg(missing.left(40));
        return false;
    }
    report << QStringLiteral("cnchar-order: stroke order of %1 characters").arg(sources.chars.size() - size_t(fromRime.size()))
           << QStringLiteral("cnchar-order: lacks %1 characters, taken from rime-data-stroke: %2")
                  .arg(fromRime.size()).arg(fromRime)
           << QStringLiteral("rime-data-stroke (mainland lines): agrees with cnchar-order on %1 of the %2 characters both have")
                  .arg(agree).arg(both);
    return true;
}

void reportOutlines(const QString& dir, const SourceSet& sources, QStringList& report)
{
    QString missing;
    for (const CharEntry& entry : sources.chars) {
        if (!QFileInfo::exists(dir + u'/' + entry.ch + QStringLiteral(".json")))
            missing += entry.ch;
    }
    report << QStringLiteral("hanzi-writer-data: outlines of %1 of %2 characters; lacks %3: %4")
                  .arg(sources.chars.size() - size_t(missing.size())).arg(sources.chars.size())
                  .arg(missing.size()).arg(missing);
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
